// What reached the radio: verify after write, the backups kept at every read and write, and the
// shown set-up compared with a radio.
#include "gui/mainwindow/main_window.h"

namespace qv {

void MainWindow::ToggleWriteOption(Command, bool) {}

void MainWindow::RestoreFromBackup() {}

void MainWindow::CompareWithRadio() {}

}  // namespace qv
