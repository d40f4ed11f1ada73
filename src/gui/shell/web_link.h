// The project's documentation page, opened by the main window's rights line and the About box's
// developer line, and the help: the compiled help file, or the manual in the user's browser.
#pragma once

#include <QString>

#include "gui/shell/program.h"

namespace qv {

inline constexpr const char* kProjectWebAddress =
    "https://github.com/qv7100-tool/qv7100-programming-tool#readme";

// Opens the documentation page with the desktop's handler.
void OpenProjectWebPage();

// Opens the help with the desktop's handler: the compiled help file QV-7100.CHM where it lies
// beside the program or in the installed data folder, otherwise the manual in the language the
// windows show (`languageIsEnglish`, the program's flag). Nothing there shows nothing.
void OpenHelpFile(const ProgramPaths& paths, int languageIsEnglish);

}  // namespace qv
