// Writing one set-up into several radios at once.
#include <QFile>

#include "gui/dialogs/fleet_write_window.h"
#include "gui/mainwindow/main_window.h"

namespace qv {

void MainWindow::WriteSeveralRadios() {
    // The window writes a copy: the set-up shown here stays as it is whatever the radios do.
    FleetWriteWindow window(state_, program_.Options(),
                            QFile::encodeName(program_.Paths().backupFolder).toStdString(), this);
    window.exec();
}

}  // namespace qv
