// Full reads and writes through the program's real serial port and driver against the virtual
// radio on a pseudo-terminal. Prints:
//  - against a radio paced at 9600 baud: the tool's time over the wire time (bytes on the wire in
//    both directions x 10 bits / 9600 baud);
//  - against an unpaced radio: the tool's own turnaround per block, from the reply's last byte
//    arriving to the next frame handed to the port.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "image/image_codec.h"
#include "link/qt/serial_port.h"
#include "link/qt/transfer_driver.h"
#include "rules/program/startup.h"
#include "sim/pty_server.h"
#include "support/quiet_host.h"

namespace {

// The driver, counting bytes and timing each frame against the reply before it.
class MeasuredDriver : public qv::TransferDriver {
  public:
    using TransferDriver::TransferDriver;
    QElapsedTimer clock;
    std::size_t bytesSent = 0;
    std::size_t bytesReceived = 0;
    qint64 lastReceiveNs = -1;
    std::vector<qint64> turnaroundsNs;

    void WriteBytes(std::span<const std::uint8_t> bytes) override {
        const qint64 now = clock.nsecsElapsed();
        if (lastReceiveNs >= 0) turnaroundsNs.push_back(now - lastReceiveNs);
        lastReceiveNs = -1;
        bytesSent += bytes.size();
        TransferDriver::WriteBytes(bytes);
    }
    void CountReceived(std::size_t count) {
        bytesReceived += count;
        lastReceiveNs = clock.nsecsElapsed();
    }
};

struct Measurement {
    double seconds = 0;
    std::size_t bytesOnWire = 0;
    std::vector<qint64> turnaroundsNs;
    bool ok = false;
};

Measurement RunOnce(bool write, bool paced) {
    qv::test::QuietHost host;
    qv::ProgramState state = qv::StartupState(host);
    const qv::ImageBytes image = qv::EncodeImage(state);
    qv::PtyServer radio(qv::VirtualRadio(image, 0), paced);
    if (!radio.Start(nullptr)) return {};
    qv::SerialPort port;
    port.FixDevice({0, radio.DevicePath()});
    qv::test::SilentTransferView view;
    MeasuredDriver driver(state, host, port, view);
    QObject::connect(&port, &qv::SerialPort::BytesReceived, [&](const QByteArray& bytes) {
        driver.CountReceived(static_cast<std::size_t>(bytes.size()));
    });
    QEventLoop loop;
    view.finished = [&loop] { loop.quit(); };
    driver.clock.start();
    if (write) {
        driver.StartWrite();
    } else {
        driver.StartRead();
    }
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    if (!view.outcome) loop.exec();
    Measurement measured;
    measured.seconds = static_cast<double>(driver.clock.nsecsElapsed()) / 1e9;
    measured.bytesOnWire = driver.bytesSent + driver.bytesReceived;
    measured.turnaroundsNs = driver.turnaroundsNs;
    measured.ok = view.outcome ==
                  (write ? qv::TransferOutcome::WriteComplete : qv::TransferOutcome::ReadComplete);
    radio.Stop();
    return measured;
}

double Percentile(std::vector<qint64> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return static_cast<double>(values[index]) / 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    constexpr double kByteSeconds = 10.0 / 9600.0;
    int failures = 0;

    std::printf("Paced radio (9600 baud), %d runs each\n", runs);
    for (const bool write : {false, true}) {
        std::vector<double> ratios;
        Measurement last;
        for (int run = 0; run < runs; ++run) {
            last = RunOnce(write, true);
            if (!last.ok) ++failures;
            ratios.push_back(last.seconds / (static_cast<double>(last.bytesOnWire) * kByteSeconds));
        }
        std::sort(ratios.begin(), ratios.end());
        std::printf(
            "  %-5s %5zu bytes on the wire, wire time %.3f s, tool %.3f s, ratio %.4f "
            "(best %.4f, worst %.4f)\n",
            write ? "write" : "read", last.bytesOnWire,
            static_cast<double>(last.bytesOnWire) * kByteSeconds, last.seconds,
            ratios[ratios.size() / 2], ratios.front(), ratios.back());
    }

    std::printf("Unpaced radio, tool's turnaround per frame, %d runs each\n", runs);
    for (const bool write : {false, true}) {
        std::vector<qint64> all;
        double seconds = 0;
        for (int run = 0; run < runs; ++run) {
            const Measurement measured = RunOnce(write, false);
            if (!measured.ok) ++failures;
            all.insert(all.end(), measured.turnaroundsNs.begin(), measured.turnaroundsNs.end());
            seconds += measured.seconds;
        }
        const double mean =
            all.empty() ? 0
                        : static_cast<double>(std::accumulate(all.begin(), all.end(), qint64{0})) /
                              static_cast<double>(all.size()) / 1000.0;
        std::printf(
            "  %-5s %zu frames: mean %.1f us, median %.1f us, p99 %.1f us, max %.1f us; "
            "whole transfer %.1f ms\n",
            write ? "write" : "read", all.size(), mean, Percentile(all, 0.5), Percentile(all, 0.99),
            Percentile(all, 1.0), 1000.0 * seconds / runs);
    }
    if (failures > 0) std::printf("%d transfers failed\n", failures);
    return failures == 0 ? 0 : 1;
}
