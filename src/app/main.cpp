// The desktop program: the QV-7100 programming tool's main window.
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include "gui/mainwindow/main_window.h"
#include "gui/shell/desktop_identity.h"
#include "gui/shell/program.h"
#include "gui/shell/termination_signals.h"

int main(int argc, char* argv[]) {
    // Answered before any window, so that it works without a display too.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("qv7100 %s\n", QV7100_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    qv::ApplyDesktopIdentity();
    qv::Program program(qv::LocateProgramPaths());
    qv::MainWindow window(program);
    // Ended by the system, the program quits as the desktop's logout quits it: after a transfer.
    qv::TerminationSignals terminations;
    QObject::connect(&terminations, &qv::TerminationSignals::Received, &app,
                     &QCoreApplication::quit);
    window.show();
    QTimer::singleShot(0, &window, &qv::MainWindow::CheckSettingsCanBeKept);
    return QApplication::exec();
}
