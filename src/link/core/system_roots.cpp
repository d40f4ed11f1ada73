#include "link/core/system_roots.h"

namespace qv {
namespace {

std::filesystem::path Below(const std::filesystem::path& root, const std::filesystem::path& path) {
    return root / path.relative_path();
}

std::vector<std::filesystem::path> Below(const std::filesystem::path& root,
                                         const std::vector<std::filesystem::path>& paths) {
    std::vector<std::filesystem::path> moved;
    for (const std::filesystem::path& path : paths) moved.push_back(Below(root, path));
    return moved;
}

}  // namespace

SystemRoots SystemRoots::Under(const std::filesystem::path& root) {
    const SystemRoots system;
    SystemRoots moved;
    moved.sys = Below(root, system.sys);
    moved.dev = Below(root, system.dev);
    moved.proc = Below(root, system.proc);
    moved.etc = Below(root, system.etc);
    moved.ruleFolders = Below(root, system.ruleFolders);
    moved.programFolders = Below(root, system.programFolders);
    moved.serviceFolders = Below(root, system.serviceFolders);
    return moved;
}

}  // namespace qv
