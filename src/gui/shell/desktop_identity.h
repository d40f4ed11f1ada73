// How the desktop knows the program: its name, the menu entry its windows belong to (so that the
// desktop groups them with it) and its icon.
#pragma once

#include <QIcon>

namespace qv {

// The program's icon in every size it is drawn in.
QIcon ProgramIcon();

// Names the running application after the program and its desktop entry and gives every window
// the program's icon. The application object must exist.
void ApplyDesktopIdentity();

}  // namespace qv
