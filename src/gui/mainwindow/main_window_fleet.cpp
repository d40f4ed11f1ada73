// Writing one set-up into several radios at once.
#include "gui/mainwindow/main_window.h"

namespace qv {

void MainWindow::WriteSeveralRadios() {}

}  // namespace qv
