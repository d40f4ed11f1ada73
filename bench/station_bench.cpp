// The programming station against shelves of virtual radios paced at 9600 baud in both directions
// (the radio takes the tool's bytes at the line's rate as well as sending its own), through the
// program's real serial ports, station, backups and log. For every radio it prints:
//  - the time from its first answer (the probe's handshake answered) to "remove the radio" (its
//    line in the log, on disk) over the wire time of its three transfers (backup read, write,
//    read-back: every byte both ways x 10 bits / 9600 baud);
//  - the delay from its plugging in to the first byte of its transfer (the backup read's
//    handshake), and to its first answer;
// for one cable, and for four cables at once. The delay depends on where in the probes' half
// second a radio comes, so it is also measured over ten radios that come 50 ms apart in that
// cycle. Then the radios per hour that gives at a 10 s swap, for one and for four cables.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include "image/image_codec.h"
#include "link/qt/programming_station.h"
#include "rules/program/startup.h"
#include "sim/pty_server.h"
#include "support/quiet_host.h"

namespace {

constexpr double kByteSeconds = 10.0 / 9600.0;
constexpr double kSecond = 1e9;
// A radio stays long enough after its first answer to be programmed at the line's pace; the
// next comes 3 s after it went (the time a dealer's swap takes is modelled below, not waited).
constexpr double kPresentSeconds = 6.5;
constexpr double kGapSeconds = 3;
constexpr int kPhases = 10;
constexpr double kPhaseStep = 0.05;
constexpr double kSwapSeconds = 10;
// The handshake is seven bytes: its first byte came in six byte times before it was whole.
constexpr double kHandshakeTail = 6 * kByteSeconds;

qv::ShelfTime Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qv::ShelfTime{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

double Seconds(qv::ShelfTime nanoseconds) {
    return static_cast<double>(nanoseconds) / kSecond;
}

qv::ProgramState FullSetup() {
    qv::test::QuietHost host;
    qv::ProgramState setup = qv::StartupState(host);
    for (int row = 1; row <= 48; ++row) {
        setup.Grid1[row] = {setup.Grid1[row][0],
                            "435.12500",
                            "67.0",
                            "435.12500",
                            "D023N",
                            "高",
                            "关闭",
                            "宽带",
                            "有"};
    }
    return setup;
}

// Bytes both ways of a radio's transfers, from what it saw: each read session's handshake,
// identification, its acknowledgements and end byte, and per block the request, the block and two
// acknowledgements; each write session's the same, and per frame the frame and its acknowledgement.
std::size_t WireBytes(const qv::RadioRecord& record) {
    constexpr std::size_t kSessionBytes = 7 + 1 + 1 + 1 + 1 + 8 + 1;
    const std::size_t reads = record.blocksRead.size() / 24;
    const std::size_t writes = record.blocksWritten.size() / 88;
    return (reads + writes) * kSessionBytes + record.blocksRead.size() * (4 + 1 + 68 + 1) +
           record.blocksWritten.size() * (20 + 1);
}

struct RadioFigures {
    double programming = 0;  // first answer to "remove the radio"
    double wire = 0;         // its three transfers
    double toTransfer = 0;   // plugged in to the first byte of the transfer
    double toAnswer = 0;     // plugged in to its first answer
};

// `cables` shelves of `radios` paced radios each, the line empty `gap` seconds between two, served
// by one station at once. With `arrivalsOnly`, the station is stopped once the last radio's
// transfer has started.
std::vector<RadioFigures> Run(int cables, int radios, double gap, bool arrivalsOnly, bool& ok) {
    const qv::ShelfTiming timing = {static_cast<qv::ShelfTime>(kPresentSeconds * kSecond),
                                    static_cast<qv::ShelfTime>(gap * kSecond)};
    std::vector<std::unique_ptr<qv::PtyServer>> lines;
    std::vector<qv::PortName> ports;
    qv::test::QuietHost host;
    const qv::ImageBytes empty = qv::EncodeImage(qv::StartupState(host));
    for (int cable = 0; cable < cables; ++cable) {
        std::vector<qv::VirtualRadio> shelf;
        for (int k = 0; k < radios; ++k) shelf.emplace_back(empty, 0);
        lines.push_back(
            std::make_unique<qv::PtyServer>(qv::RadioShelf(std::move(shelf), timing), true));
        if (!lines.back()->Start(nullptr)) {
            ok = false;
            return {};
        }
        ports.push_back({0, lines.back()->DevicePath()});
    }
    QTemporaryDir folder;
    qv::ProgrammingStation station(folder.filePath("backups").toStdString());
    qv::StationOptions options;
    options.log = folder.filePath("station-log.csv").toStdString();
    options.setupName = "bench.DAT";
    options.count = cables * radios;
    // When each radio was told to be removed, by port and in order.
    std::map<std::size_t, std::vector<qv::ShelfTime>> removed;
    QEventLoop loop;
    station.SetEventHandler([&](std::size_t port, qv::StationEvent event) {
        if (event == qv::StationEvent::RadioEnded) removed[port].push_back(Now());
        if (arrivalsOnly && event == qv::StationEvent::StepStarted &&
            station.Port(port).radio->number == cables * radios) {
            // Its first bytes are on their way; the rest is not measured here.
            QTimer::singleShot(200, &station, [&station] { station.StopNow(); });
        }
    });
    station.SetFinishedHandler([&loop] { loop.quit(); });
    if (!station.Start(ports, FullSetup(), {}, options)) {
        ok = false;
        return {};
    }
    QTimer::singleShot(static_cast<int>(radios * 25'000), &loop, &QEventLoop::quit);
    if (station.IsRunning()) loop.exec();
    ok =
        ok && !station.IsRunning() && (arrivalsOnly || station.Tally().verified == cables * radios);

    std::vector<RadioFigures> figures;
    for (std::size_t cable = 0; cable < lines.size(); ++cable) {
        const std::vector<qv::ShelfRadioRecord> shelf = lines[cable]->ShelfSnapshot();
        // The first radio of a shelf was there before the station started: its delay says
        // nothing of the probes.
        for (std::size_t k = 1; k < shelf.size(); ++k) {
            const qv::ShelfRadioRecord& radio = shelf[k];
            if (!radio.came || !radio.firstAnswer || radio.handshakes.size() < 2 ||
                k >= removed[cable].size()) {
                ok = false;
                continue;
            }
            // The first handshake answered is the probe's; the next starts the backup read.
            figures.push_back({Seconds(removed[cable][k] - *radio.firstAnswer),
                               static_cast<double>(WireBytes(radio.record)) * kByteSeconds,
                               Seconds(radio.handshakes[1] - *radio.came) - kHandshakeTail,
                               Seconds(*radio.firstAnswer - *radio.came) - kHandshakeTail});
        }
    }
    for (const auto& line : lines) line->Stop();
    return figures;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The radios' times over the wire; the median time from first answer to "remove the radio".
double PrintProgramming(const char* title, const std::vector<RadioFigures>& figures) {
    std::printf("%s: %zu radios after the first of each cable\n", title, figures.size());
    std::vector<double> ratios, programming;
    for (const RadioFigures& radio : figures) {
        std::printf("  first answer to remove %.3f s, wire %.3f s, ratio %.4f\n", radio.programming,
                    radio.wire, radio.programming / radio.wire);
        ratios.push_back(radio.programming / radio.wire);
        programming.push_back(radio.programming);
    }
    if (figures.empty()) return 0;
    std::sort(ratios.begin(), ratios.end());
    std::printf(
        "  ratio median %.4f (best %.4f, worst %.4f); first answer to remove median "
        "%.3f s\n",
        Median(ratios), ratios.front(), ratios.back(), Median(programming));
    return Median(programming);
}

double Mean(const std::vector<double>& values) {
    double sum = 0;
    for (const double value : values) sum += value;
    return values.empty() ? 0 : sum / static_cast<double>(values.size());
}

// The delays from plugging in; the mean delay to the first answer, where the programming's time
// starts.
double PrintDelays(const std::vector<RadioFigures>& figures) {
    std::vector<double> transfer, answer;
    for (const RadioFigures& radio : figures) {
        std::printf("  plugged in to first answer %.3f s, to the transfer's first byte %.3f s\n",
                    radio.toAnswer, radio.toTransfer);
        transfer.push_back(radio.toTransfer);
        answer.push_back(radio.toAnswer);
    }
    if (figures.empty()) return 0;
    std::sort(transfer.begin(), transfer.end());
    std::printf(
        "  to the transfer's first byte: mean %.3f s, median %.3f s, best %.3f s, worst "
        "%.3f s (to the first answer: mean %.3f s, median %.3f s)\n",
        Mean(transfer), Median(transfer), transfer.front(), transfer.back(), Mean(answer),
        Median(answer));
    return Mean(answer);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int radios = argc > 1 ? std::max(2, std::atoi(argv[1])) : 6;
    bool ok = true;
    const double one = PrintProgramming("One cable", Run(1, radios, kGapSeconds, false, ok));
    const double four =
        PrintProgramming("Four cables at once", Run(4, radios, kGapSeconds, false, ok));
    std::printf("Plugging in at %d points of the probes' half second, one cable\n", kPhases);
    std::vector<RadioFigures> arrivals;
    for (int phase = 0; phase < kPhases; ++phase) {
        const std::vector<RadioFigures> run = Run(1, 2, kGapSeconds + phase * kPhaseStep, true, ok);
        arrivals.insert(arrivals.end(), run.begin(), run.end());
    }
    // A cable's round: the swap, the wait for the station's probe to find the radio, and its
    // programming from that first answer to "remove the radio". The station sees the radio gone
    // while the dealer still swaps, so that costs nothing.
    const double delay = PrintDelays(arrivals);
    const double round = kSwapSeconds + delay + one;
    std::printf("At a %.0f s swap a cable's round is %.2f s: one cable %.0f radios per hour\n",
                kSwapSeconds, round, 3600 / round);
    const double fourRound = kSwapSeconds + delay + four;
    std::printf(
        "Four cables, a dealer each: %.0f radios per hour; one dealer swapping them in "
        "turn: %.0f (each swap takes the dealer %.0f s)\n",
        4 * 3600 / fourRound, std::min(4 * 3600 / fourRound, 3600 / kSwapSeconds), kSwapSeconds);
    if (!ok) std::printf("a run failed\n");
    return ok ? 0 : 1;
}
