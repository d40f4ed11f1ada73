// How quickly the channel grid answers the user, on the real main window under whatever Qt
// platform is set (offscreen by default). Prints, over many repetitions:
//  - a key press to the repainted cell: Enter in the frequency editor (the commit, the rules, the
//    model's change and the grid's repaint) and Enter on an item of an open list editor;
//  - the whole window showing a decoded image with all 48 channels in use, up to the repainted
//    grid, with and without the decoding itself;
//  - a language switch, which rewrites the captions and the grid's list cells.
// Each is measured twice: "work" runs the action and repaints the grid at once (the program's own
// time, on the wall clock and as processor time of the thread, which leaves out what other
// processes of a busy machine take); "loop" lets the event loop deliver the repaint, which adds
// the platform's wait for its next update.
//
// Run: build/release/bench/grid_bench [runs]; on a real X server (a private one will do):
// QT_QPA_PLATFORM=xcb xvfb-run -a build/release/bench/grid_bench
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "gui/mainwindow/main_window.h"
#include "gui/shell/program.h"
#include "image/image_codec.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "support/program_folder.h"
#include "support/quiet_host.h"

namespace {

// Counts the grid's paint events, so a measurement ends when the grid has been repainted.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QWidget& grid) : viewport(grid) { viewport.installEventFilter(this); }
    QWidget& viewport;
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void Press(QWidget* target, Qt::Key key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

void Type(QWidget* target, const QString& text) {
    for (const QChar c : text) Press(target, static_cast<Qt::Key>(c.unicode()), QString(c));
}

bool viaLoop = false;  // how UntilPainted waits for the repaint

double ThreadMicros() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

struct Times {
    std::vector<double> wall;
    std::vector<double> cpu;
};

// Runs `action` until the grid has painted again and records the time of both, in µs.
void UntilPainted(Times& times, PaintWatch& watch, const std::function<void()>& action) {
    QApplication::processEvents();  // nothing left over from the preparation
    const int before = watch.paints;
    QElapsedTimer timer;
    const double cpuStart = ThreadMicros();
    timer.start();
    action();
    if (viaLoop) {
        // An action that changes nothing on screen paints nothing; do not wait for ever.
        while (watch.paints == before && timer.elapsed() < 2000) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    } else {
        watch.viewport.repaint();
    }
    times.wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    times.cpu.push_back(ThreadMicros() - cpuStart);
}

double Median(std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    return micros[micros.size() / 2];
}

double P90(std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    return micros[micros.size() * 9 / 10];
}

void Print(const char* what, const Times& times) {
    std::printf("%-4s %-42s wall median %6.0f µs p90 %6.0f µs", viaLoop ? "loop" : "work", what,
                Median(times.wall), P90(times.wall));
    if (!viaLoop) std::printf("   cpu median %6.0f µs", Median(times.cpu));
    std::printf("  (%zu runs)\n", times.wall.size());
}

// An image with all 48 channels in use; the two variants differ in every cell, so that decoding
// one after the other repaints the whole grid.
qv::ImageBytes FullImage(int variant) {
    qv::test::QuietHost quiet;
    qv::ProgramState sample = qv::StartupState(quiet);
    for (int row = 1; row <= qv::kChannelCount; ++row) {
        if (variant == 0) {
            sample.Grid1[row] = {sample.Grid1[row][0],
                                 "435.12500",
                                 "67.0",
                                 "436.00625",
                                 "D023N",
                                 "高",
                                 "关闭",
                                 "宽带",
                                 "有"};
        } else {
            sample.Grid1[row] = {sample.Grid1[row][0],
                                 "455.00000",
                                 "关闭",
                                 "456.10000",
                                 "88.5",
                                 "低",
                                 "载波",
                                 "窄带",
                                 "无"};
        }
    }
    return qv::EncodeImage(sample);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
    QTemporaryDir folder;
    qv::Program program(qv::test::ProgramPathsIn(folder.path()));
    qv::MainWindow window(program);
    window.show();
    auto* grid = window.findChild<QTableView*>(QStringLiteral("Grid1"));
    auto* text1 = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    QComboBox* power = nullptr;
    for (auto* combo : window.findChildren<QComboBox*>(QStringLiteral("Combo5"))) {
        if (combo->property("qvElement").toInt() == 5) power = combo;
    }
    PaintWatch watch(*grid->viewport());
    window.activateWindow();
    QElapsedTimer shown;
    shown.start();
    while (!window.isActiveWindow() && shown.elapsed() < 2000) QApplication::processEvents();
    for (int wait = 0; wait < 50; ++wait) QApplication::processEvents();

    const auto measure = [&] {
        Times nothing;
        for (int run = 0; run < runs; ++run) {
            UntilPainted(nothing, watch, [&] { grid->viewport()->update(); });
        }
        Times frequency;
        Times list;
        for (int run = 0; run < runs; ++run) {
            const int channel = run % qv::kChannelCount + 1;
            grid->setFocus();
            grid->setCurrentIndex(grid->model()->index(channel - 1, qv::kColRxFrequency));
            Press(grid, Qt::Key_Return);
            Type(text1, run % 2 ? QStringLiteral("435.0123") : QStringLiteral("469.99999"));
            UntilPainted(frequency, watch, [&] { Press(text1, Qt::Key_Return); });

            grid->setCurrentIndex(grid->model()->index(channel - 1, qv::kColPower));
            Press(grid, Qt::Key_Return);
            QAbstractItemView* open = power->view();
            Press(open, run % 2 ? Qt::Key_Up : Qt::Key_Down);
            UntilPainted(list, watch, [&] { Press(open, Qt::Key_Return); });
        }

        // Each step below changes every cell from what the one before left.
        const qv::ImageBytes image = FullImage(0);
        qv::ProgramState other = program.State();
        (void)qv::DecodeImageBytes(FullImage(1), other, program.MessageBox());
        Times refresh;
        Times decodeAndRefresh;
        Times language;
        for (int run = 0; run < runs; ++run) {
            qv::ProgramState& state = program.State();
            UntilPainted(decodeAndRefresh, watch, [&] {
                program.Changed(qv::DecodeImageBytes(image, state, program.MessageBox()));
            });
            UntilPainted(refresh, watch, [&] {
                static_cast<qv::Setup&>(state) = other;
                program.Changed(qv::Changes::WholeSetup());
            });
            const char* command = run % 2 ? "mnuChinese" : "mnuEnglish";
            UntilPainted(language, watch, [&] {
                window.findChild<QAction*>(QString::fromLatin1(command))->trigger();
            });
        }

        Print("grid repainted, nothing changed", nothing);
        Print("Enter in Text1 -> cell repainted", frequency);
        Print("Enter on a Combo5 item -> cell repainted", list);
        Print("decoded set-up shown -> grid repainted", refresh);
        Print("decode 48 channels + refresh -> repainted", decodeAndRefresh);
        Print("language switch -> grid repainted", language);
    };
    std::printf("platform %s, grid %dx%d px\n", qPrintable(QApplication::platformName()),
                grid->viewport()->width(), grid->viewport()->height());
    for (const bool loop : {false, true}) {
        viaLoop = loop;
        measure();
    }
    return 0;
}
