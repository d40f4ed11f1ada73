#include "link/core/system_files.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace qv {

namespace fs = std::filesystem;

std::string FirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line)) return {};
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
    return line;
}

std::string UeventValue(const fs::path& file, const std::string& key) {
    std::ifstream in(file);
    const std::string prefix = key + "=";
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(prefix)) return line.substr(prefix.size());
    }
    return {};
}

std::vector<fs::path> FolderEntries(const fs::path& folder) {
    std::vector<fs::path> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(it->path());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::optional<fs::path> Resolved(const fs::path& path) {
    std::error_code error;
    fs::path resolved = fs::canonical(path, error);
    if (error) return std::nullopt;
    return resolved;
}

std::optional<fs::path> LinkTarget(const fs::path& link) {
    std::error_code error;
    fs::path target = fs::read_symlink(link, error);
    if (error) return std::nullopt;
    if (target.is_relative()) target = link.parent_path() / target;
    fs::path resolved = fs::weakly_canonical(target, error);
    if (error) return target.lexically_normal();
    return resolved;
}

bool IsWithin(const fs::path& path, const fs::path& folder) {
    const fs::path relative = path.lexically_relative(folder);
    return !relative.empty() && *relative.begin() != "..";
}

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace qv
