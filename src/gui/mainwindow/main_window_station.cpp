// The programming station: the set-up shown written into radio after radio.
#include <QFile>

#include <filesystem>

#include "gui/dialogs/programming_station_window.h"
#include "gui/mainwindow/main_window.h"

namespace qv {

void MainWindow::RunProgrammingStation() {
    // The log names the set-up by its file; one with changes not saved is marked as the title
    // marks it, since the file no longer holds what was written.
    std::string name = std::filesystem::path(program_.History().File()).filename().string();
    if (!name.empty() && program_.History().Modified()) name += "*";
    ProgrammingStationWindow window(state_, name,
                                    QFile::encodeName(program_.Paths().backupFolder).toStdString(),
                                    program_.MessageBox(), this);
    window.exec();
}

}  // namespace qv
