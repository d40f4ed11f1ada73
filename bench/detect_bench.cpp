// Which port holds a radio, through the program's real serial ports and the detection both
// programs use, against virtual radios paced at 9600 baud on pseudo-terminals. Prints the time from
// the start to the last port's end, medians over the runs, for:
//  - 8 silent ports (nothing answers: every probe waits out its time);
//  - 1 and 4 radios;
//  - 4 radios and 4 silent ports together.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "link/qt/radio_detection.h"
#include "sim/pty_server.h"

namespace {

struct Round {
    double seconds = 0;
    double fastestPort = 0;  // the first port to end, from the start
    bool ok = false;
};

// Probes `radios` radios and `silent` silent ports at once; ok when every radio was found and no
// silent port was taken for one.
Round Detect(int radios, int silent) {
    std::vector<std::unique_ptr<qv::PtyServer>> servers;
    std::vector<qv::PortName> ports;
    for (int i = 0; i < radios + silent; ++i) {
        const qv::RadioFault fault =
            i < radios ? qv::RadioFault{} : qv::RadioFault{qv::RadioFaultKind::Silent, 0};
        servers.push_back(std::make_unique<qv::PtyServer>(
            qv::VirtualRadio(std::vector<std::uint8_t>(1536, 0xFF), 0, fault), true));
        if (!servers.back()->Start(nullptr)) return {};
        ports.push_back({0, servers.back()->DevicePath()});
    }
    qv::RadioDetection detection;
    QEventLoop loop;
    detection.SetFinishedHandler([&loop] { loop.quit(); });
    QElapsedTimer clock;
    clock.start();
    detection.Start(ports);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    if (detection.IsRunning()) loop.exec();
    Round round;
    round.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    round.fastestPort = round.seconds;
    round.ok = !detection.IsRunning();
    for (std::size_t i = 0; i < detection.Count(); ++i) {
        const auto& end = detection.End(i);
        if (!end) {
            round.ok = false;
            continue;
        }
        round.fastestPort = std::min(round.fastestPort, end->seconds);
        const bool radio = static_cast<int>(i) < radios;
        round.ok = round.ok && end->probe.FoundRadio() == radio;
    }
    for (const auto& server : servers) server->Stop();
    return round;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    int failures = 0;
    std::printf("Detection over paced ports (9600 baud), medians of %d runs\n", runs);
    const struct {
        const char* name;
        int radios;
        int silent;
    } cases[] = {
        {"8 silent ports", 0, 8},
        {"1 radio", 1, 0},
        {"4 radios", 4, 0},
        {"4 radios and 4 silent ports", 4, 4},
    };
    for (const auto& c : cases) {
        std::vector<double> times;
        std::vector<double> firsts;
        for (int run = 0; run < runs; ++run) {
            const Round round = Detect(c.radios, c.silent);
            if (!round.ok) ++failures;
            times.push_back(round.seconds);
            firsts.push_back(round.fastestPort);
        }
        std::sort(times.begin(), times.end());
        std::sort(firsts.begin(), firsts.end());
        std::printf("  %-28s %.3f s (best %.3f, worst %.3f); first port ended after %.3f s\n",
                    c.name, times[times.size() / 2], times.front(), times.back(),
                    firsts[firsts.size() / 2]);
    }
    if (failures > 0) std::printf("%d runs failed\n", failures);
    return failures == 0 ? 0 : 1;
}
