#include "rules/program/program_files.h"

#include <string>
#include <system_error>
#include <vector>

namespace qv {
namespace {

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// The compiled help file: the product name and ".CHM".
std::string CompiledHelpName() {
    return std::string(kApplicationTitle) + ".CHM";
}

}  // namespace

std::optional<std::filesystem::path> InstalledDataFolder(
    const std::filesystem::path& programFolder) {
    const std::filesystem::path data =
        (programFolder / ".." / "share" / kDataFolderName).lexically_normal();
    std::error_code error;
    if (!std::filesystem::is_directory(data, error)) return std::nullopt;
    return data;
}

ParameterPlace ParameterFilePlace(bool installed, bool programFolderWritable) {
    return !installed && programFolderWritable ? ParameterPlace::BesideTheProgram
                                               : ParameterPlace::SettingsFolder;
}

std::string_view ManualFileName(Language language) {
    return language == Language::English ? "qv7100-manual.en.html" : "qv7100-manual.zh_CN.html";
}

std::optional<std::filesystem::path> HelpToOpen(
    const std::filesystem::path& programFolder,
    const std::optional<std::filesystem::path>& dataFolder, Language language) {
    std::vector<std::filesystem::path> folders = {programFolder};
    if (dataFolder) folders.push_back(*dataFolder);
    // The compiled help file, where there is one, wins over the manual in either folder.
    for (const auto& folder : folders) {
        if (const auto chm = folder / CompiledHelpName(); IsFile(chm)) return chm;
    }
    for (const auto& folder : folders) {
        const auto manual = folder / kManualFolderName / ManualFileName(language);
        if (IsFile(manual)) return manual;
    }
    return std::nullopt;
}

}  // namespace qv
