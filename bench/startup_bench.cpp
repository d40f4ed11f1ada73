// How long the desktop program takes to start and how much memory it holds once it is on the
// screen: the core's start-up values, then the whole main window (built, captions applied,
// shown) on the offscreen platform, and a language switch, each the median and the slowest over
// the given number of runs; then the resident memory of a process after the first paint of its
// window, the program's main window against a bare QMainWindow, each in a fresh process of this
// same executable, the two kinds taking turns.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "gui/mainwindow/main_window.h"
#include "gui/shell/program.h"
#include "rules/program/language_rules.h"
#include "rules/program/startup.h"
#include "support/program_folder.h"
#include "support/quiet_host.h"

namespace {

// The argument that makes this executable the child whose memory is measured.
constexpr char kResidentArgument[] = "--resident-after-first-paint";

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

// Counts the paints of a window.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// The process's resident set in kB, as the kernel counts it (VmRSS of /proc/self/status).
long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

// Shows `window`, waits for its first paint and prints the resident memory then.
int PrintResidentAfterFirstPaint(QWidget& window) {
    PaintCounter counter;
    window.installEventFilter(&counter);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (counter.paints == 0 && waited.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (counter.paints == 0) return 1;
    std::printf("%ld\n", ResidentKb());
    return 0;
}

// The child: `kind` is "bare" (an empty QMainWindow) or "program" (the program started in a
// folder of its own, as on its first run: Chinese, no parameter file).
int ResidentChild(int argc, char** argv, const char* kind) {
    QApplication app(argc, argv);
    if (std::strcmp(kind, "bare") == 0) {
        QMainWindow window;
        return PrintResidentAfterFirstPaint(window);
    }
    QTemporaryDir folder;
    qv::Program program(qv::test::ProgramPathsIn(folder.path()));
    qv::MainWindow window(program);
    return PrintResidentAfterFirstPaint(window);
}

long MeasureChild(const char* kind) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kResidentArgument), QString::fromLatin1(kind)});
    if (!child.waitForFinished(30000) || child.exitCode() != 0) return -1;
    return child.readAllStandardOutput().trimmed().toLong();
}

long Median(std::vector<long> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void ReportResidentMemory(int runs) {
    std::vector<long> bare;
    std::vector<long> program;
    for (int run = 0; run < runs; ++run) {
        bare.push_back(MeasureChild("bare"));
        program.push_back(MeasureChild("program"));
    }
    if (std::count(bare.begin(), bare.end(), -1) + std::count(program.begin(), program.end(), -1) >
        0) {
        std::printf("resident memory after the first paint: a child process failed\n");
        return;
    }
    const long bareKb = Median(bare);
    const long programKb = Median(program);
    std::printf("resident after first paint, bare QMainWindow  median %8ld kB   (%d processes)\n",
                bareKb, runs);
    std::printf("resident after first paint, the program      median %8ld kB   (%d processes)\n",
                programKb, runs);
    std::printf("the program over the bare window              %.3fx\n",
                static_cast<double>(programKb) / static_cast<double>(bareKb));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], kResidentArgument) == 0) {
        return ResidentChild(argc, argv, argv[2]);
    }
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QTemporaryDir folder;
    const qv::ProgramPaths paths = qv::test::ProgramPathsIn(folder.path());

    Report("core start-up values (StartupState)", runs, [] {
        qv::test::QuietHost host;
        const qv::ProgramState state = qv::StartupState(host);
        (void)state;
    });
    Report("main window, shown", runs, [&] {
        qv::Program program(paths);
        qv::MainWindow window(program);
        window.show();
        QApplication::processEvents();
    });
    {
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
    }
    ReportResidentMemory(runs);
    return 0;
}
