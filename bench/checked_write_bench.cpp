// Verify after write and fleet writes through the program's real serial ports and drivers against
// virtual radios paced at 9600 baud on pseudo-terminals. Prints:
//  - a write followed by its read-back (CheckedWrite with verify) over the wire time of both
//    sessions (bytes on the wire in both directions x 10 bits / 9600 baud);
//  - N = 1, 2, 4 radios written and verified at once by the fleet writer both programs use, and
//    each N over N = 1; and N = 4 with each radio read into a backup first.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "image/image_codec.h"
#include "link/qt/checked_write.h"
#include "link/qt/fleet_write.h"
#include "link/qt/serial_port.h"
#include "rules/program/startup.h"
#include "sim/pty_server.h"
#include "support/quiet_host.h"

namespace {

constexpr double kByteSeconds = 10.0 / 9600.0;

// One radio and the program's side of it.
struct Station {
    explicit Station(const qv::ProgramState& setup, const qv::ImageBytes& old)
        : state(setup), radio(qv::VirtualRadio(old, 0), true) {}
    qv::test::QuietHost host;
    qv::ProgramState state;
    qv::PtyServer radio;
    qv::SerialPort port;
    qv::test::SilentTransferView view;
    std::unique_ptr<qv::CheckedWrite> run;
    std::size_t bytesOnWire = 0;
    bool ok = false;
};

struct Round {
    double seconds = 0;
    std::size_t bytesOnWire = 0;  // of the first radio
    bool ok = true;
};

// The radios start empty; every channel is written.
qv::ImageBytes EmptyRadio() {
    qv::test::QuietHost host;
    return qv::EncodeImage(qv::StartupState(host));
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

// Writes and verifies `count` paced radios at once; the time until the last one is done.
Round WriteAndVerify(int count) {
    const qv::ProgramState setup = FullSetup();
    const qv::ImageBytes old = EmptyRadio();
    std::vector<std::unique_ptr<Station>> stations;
    QEventLoop loop;
    int running = 0;
    for (int i = 0; i < count; ++i) {
        stations.push_back(std::make_unique<Station>(setup, old));
        Station& station = *stations.back();
        if (!station.radio.Start(nullptr)) return {0, 0, false};
        station.port.FixDevice({0, station.radio.DevicePath()});
        station.run = std::make_unique<qv::CheckedWrite>(station.state, station.host, station.port,
                                                         station.view);
        QObject::connect(&station.port, &qv::SerialPort::BytesReceived,
                         [&station](const QByteArray& bytes) {
                             station.bytesOnWire += static_cast<std::size_t>(bytes.size());
                         });
        station.run->SetFinishedHandler(
            [&station, &running, &loop](const qv::CheckedWriteResult& result) {
                station.ok = result.Completed() && result.Verified();
                if (--running == 0) loop.quit();
            });
    }
    QElapsedTimer clock;
    clock.start();
    qv::CheckedWriteOptions options;
    options.verify = true;
    for (const auto& station : stations) {
        ++running;
        station->run->Start(options);
    }
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    Round round;
    round.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    for (const auto& station : stations) {
        round.ok = round.ok && station->ok;
        station->radio.Stop();
    }
    // What the tool sent: every frame of both sessions, from the radio's record.
    const qv::RadioRecord record = stations.front()->radio.Snapshot();
    constexpr std::size_t kSessionOverhead = 7 + 1 + 1 + 1;  // handshake, 0x02, 0x06, 0x45
    round.bytesOnWire = stations.front()->bytesOnWire + 2 * kSessionOverhead +
                        record.blocksWritten.size() * 20 + record.blocksRead.size() * (4 + 1);
    return round;
}

// Writes and verifies `count` paced radios at once with the fleet writer, each read into a backup
// first when `backupFirst`; the time until the last one is done.
Round FleetRound(int count, bool backupFirst = false) {
    std::vector<std::unique_ptr<qv::PtyServer>> radios;
    std::vector<std::string> devices;
    for (int i = 0; i < count; ++i) {
        radios.push_back(std::make_unique<qv::PtyServer>(qv::VirtualRadio(EmptyRadio(), 0), true));
        if (!radios.back()->Start(nullptr)) return {0, 0, false};
        devices.push_back(radios.back()->DevicePath());
    }
    QTemporaryDir backups;
    qv::FleetWrite fleet(backups.path().toStdString());
    QEventLoop loop;
    fleet.SetFinishedHandler([&loop] { loop.quit(); });
    QElapsedTimer clock;
    clock.start();
    fleet.Start(devices, FullSetup(),
                {.allowOtherBand = false, .verify = true, .backupFirst = backupFirst});
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    if (fleet.IsRunning()) loop.exec();
    Round round;
    round.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    round.ok = fleet.Tally().verified == count;
    for (const auto& radio : radios) radio->Stop();
    return round;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    int failures = 0;

    std::printf("Write + verify against a paced radio (9600 baud), %d runs\n", runs);
    std::vector<double> ratios;
    Round last;
    for (int run = 0; run < runs; ++run) {
        last = WriteAndVerify(1);
        if (!last.ok) ++failures;
        ratios.push_back(last.seconds / (static_cast<double>(last.bytesOnWire) * kByteSeconds));
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf(
        "  %zu bytes on the wire, wire time %.3f s, tool %.3f s, ratio %.4f (best %.4f, "
        "worst %.4f)\n",
        last.bytesOnWire, static_cast<double>(last.bytesOnWire) * kByteSeconds, last.seconds,
        ratios[ratios.size() / 2], ratios.front(), ratios.back());

    std::printf("Fleet writer: N paced radios written and verified at once, median of %d runs\n",
                runs);
    double single = 0;
    for (const int count : {1, 2, 4}) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            const Round round = FleetRound(count);
            if (!round.ok) ++failures;
            times.push_back(round.seconds);
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        if (count == 1) single = median;
        std::printf("  N=%d  %.3f s (best %.3f, worst %.3f), %.4f x N=1\n", count, median,
                    times.front(), times.back(), median / single);
    }
    // Each radio's backup saved complete under a name of its own before its write.
    std::vector<double> backedUp;
    for (int run = 0; run < runs; ++run) {
        const Round round = FleetRound(4, true);
        if (!round.ok) ++failures;
        backedUp.push_back(round.seconds);
    }
    std::sort(backedUp.begin(), backedUp.end());
    const double median = backedUp[backedUp.size() / 2];
    std::printf("  N=4 with a backup of each first  %.3f s (best %.3f, worst %.3f), %.4f x N=1\n",
                median, backedUp.front(), backedUp.back(), median / single);
    if (failures > 0) std::printf("%d runs failed\n", failures);
    return failures == 0 ? 0 : 1;
}
