// Where the program finds and keeps its files. A program run from its build folder keeps them
// beside itself; an installed one (<prefix>/bin with <prefix>/share/qv7100 beside it) reads its
// help and manual from the installed data folder and writes nothing beside itself.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "i18n/language.h"

namespace qv {

// The folder under <prefix>/share that an installed program's data lies in.
inline constexpr std::string_view kDataFolderName = "qv7100";

// The folder, beside the program or in the data folder, that holds the manual in both languages.
inline constexpr std::string_view kManualFolderName = "manual";

// The data folder of a program in `programFolder`: `programFolder`/../share/qv7100 when that is
// a folder, which is what makes the program an installed one.
std::optional<std::filesystem::path> InstalledDataFolder(
    const std::filesystem::path& programFolder);

enum class ParameterPlace { BesideTheProgram, SettingsFolder };

// An installed program keeps its settings in the user's settings folder even when it could write
// beside itself (as root can); any other program keeps them beside itself when it may write there.
ParameterPlace ParameterFilePlace(bool installed, bool programFolderWritable);

// The manual's file name in `language`.
std::string_view ManualFileName(Language language);

// What the help command opens: the compiled help file (QV-7100.CHM) beside the program or in the
// data folder; otherwise the manual in `language` beside the program or in the data folder;
// nothing when there is neither.
std::optional<std::filesystem::path> HelpToOpen(
    const std::filesystem::path& programFolder,
    const std::optional<std::filesystem::path>& dataFolder, Language language);

}  // namespace qv
