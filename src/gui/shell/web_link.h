// The project's documentation page, opened by the main window's rights line and the About box's
// developer line, and the help file beside the program.
#pragma once

#include <QString>
#include <QWidget>

namespace qv {

inline constexpr const char* kProjectWebAddress =
    "https://github.com/qv7100-tool/qv7100-programming-tool#readme";

// Opens the documentation page with the desktop's handler.
void OpenProjectWebPage();

// The help file: the program's folder, the product name, ".CHM".
QString HelpFilePath(const QString& programFolder);

// Opens the help file with the desktop's handler; a missing file shows nothing.
void OpenHelpFile(const QString& programFolder);

}  // namespace qv
