// The toolbar's pictures, drawn by the program itself: a sheet (new), a folder (open), a disk
// (save), a radio handing its memory to the computer (read) and the reverse (write), and a key
// (the service button that closes calibration access).
#pragma once

#include <QIcon>

#include "gui/mainwindow/command_table.h"

namespace qv {

// The picture of a toolbar command; an empty picture for any other command.
QIcon ToolbarIcon(Command command);

}  // namespace qv
