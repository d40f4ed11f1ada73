// How long the desktop program takes to start: the core's start-up values, then the whole main
// window with its dialogs (built, captions applied, shown) on the offscreen platform, and a
// language switch. Prints the median and the slowest of each over the given number of runs.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "gui/mainwindow/main_window.h"
#include "gui/shell/program.h"
#include "rules/program/language_rules.h"
#include "rules/program/startup.h"
#include "support/program_folder.h"
#include "support/quiet_host.h"

namespace {

void Report(const char* what, int runs, const std::function<void()>& step) {
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        step();
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %8.3f ms   slowest %8.3f ms   (%d runs)\n", what, ms[ms.size() / 2],
                ms.back(), runs);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QTemporaryDir folder;
    const qv::ProgramPaths paths = qv::test::ProgramPathsIn(folder.path());

    Report("core start-up values (StartupState)", runs, [] {
        qv::test::QuietHost host;
        const qv::ProgramState state = qv::StartupState(host);
        (void)state;
    });
    Report("main window with its dialogs, shown", runs, [&] {
        qv::Program program(paths);
        qv::MainWindow window(program);
        window.show();
        QApplication::processEvents();
    });
    qv::Program program(paths);
    qv::MainWindow window(program);
    window.show();
    QApplication::processEvents();
    bool english = true;
    Report("language switch of every window", runs, [&] {
        program.Changed(qv::ChooseLanguage(program.State(), english));
        english = !english;
        QApplication::processEvents();
    });
    return 0;
}
