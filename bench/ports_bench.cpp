// The serial ports as the system shows them: the list (sysfs and /dev/serial) and the diagnosis of
// every port (the device nodes, every open file of every process in /proc, every udev rule), on
// the running system and on a copy of a busy desktop's files: 4 USB adapters, 400 processes with
// 40 open files each, 120 rule files of 60 rules (brltty's among them). Aim: `qv7100-cli ports`
// and a port-open message answer at once, well under 100 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "link/core/port_diagnosis.h"
#include "link/core/serial_devices.h"

namespace {

namespace fs = std::filesystem;

constexpr int kAdapters = 4;
constexpr int kProcesses = 400;
constexpr int kFilesPerProcess = 40;
constexpr int kRuleFiles = 120;
constexpr int kRulesPerFile = 60;

void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

void Link(const fs::path& link, const fs::path& target) {
    fs::create_directories(link.parent_path());
    fs::create_symlink(target, link);
}

// A busy desktop's files below a temporary folder, made once.
const fs::path& BusyDesktop() {
    static const fs::path root = [] {
        const fs::path at =
            fs::temp_directory_path() / ("qv-ports-bench-" + std::to_string(::getpid()));
        fs::remove_all(at);
        for (int i = 0; i < kAdapters; ++i) {
            const std::string tty = "ttyUSB" + std::to_string(i);
            const std::string usbPath = "1-" + std::to_string(i + 1);
            const fs::path usb = at / "sys/devices/pci0000:00/0000:00:14.0/usb1" / usbPath;
            Write(usb / "idVendor", "1a86");
            Write(usb / "idProduct", "7523");
            Write(usb / "bcdDevice", "0264");
            const fs::path port = usb / (usbPath + ":1.0") / tty;
            Write(port / "tty" / tty / "uevent", "DEVNAME=" + tty + "\n");
            Link(port / "tty" / tty / "device", "../..");
            Link(at / "sys/class/tty" / tty, port / "tty" / tty);
            Write(at / "dev" / tty, "");
            Link(at / "dev/serial/by-path" / ("pci-usb-0:" + std::to_string(i + 1) + ":1.0"),
                 "../../" + tty);
        }
        for (int pid = 100; pid < 100 + kProcesses; ++pid) {
            const fs::path process = at / "proc" / std::to_string(pid);
            Write(process / "comm", "process\n");
            for (int fd = 0; fd < kFilesPerProcess; ++fd) {
                Link(process / "fd" / std::to_string(fd), at / "sys/class/tty/ttyUSB0/uevent");
            }
        }
        std::string rules;
        for (int i = 0; i < kRulesPerFile; ++i) {
            rules += "ENV{PRODUCT}==\"abcd/" + std::to_string(1000 + i) +
                     "/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"xx\", GOTO=\"brltty_usb_run\"\n";
        }
        for (int i = 0; i < kRuleFiles; ++i) {
            Write(at / "usr/lib/udev/rules.d" /
                      (std::to_string(10 + i % 90) + "-rules" + std::to_string(i) +
                       (i == 75 ? "-brltty" : "") + ".rules"),
                  rules);
        }
        Write(at / "usr/sbin/ModemManager", "");
        return at;
    }();
    return root;
}

void BM_ListSerialDevicesOfThisSystem(benchmark::State& bench) {
    for (auto _ : bench) benchmark::DoNotOptimize(qv::ListSerialDevices());
}
BENCHMARK(BM_ListSerialDevicesOfThisSystem)->Unit(benchmark::kMicrosecond);

void BM_DiagnosePortsOfThisSystem(benchmark::State& bench) {
    const std::vector<qv::SerialDevice> devices = qv::ListSerialDevices();
    for (auto _ : bench) benchmark::DoNotOptimize(qv::DiagnosePorts(devices));
    bench.counters["devices"] = static_cast<double>(devices.size());
}
BENCHMARK(BM_DiagnosePortsOfThisSystem)->Unit(benchmark::kMicrosecond);

void BM_ListSerialDevicesOfABusyDesktop(benchmark::State& bench) {
    const qv::SystemRoots roots = qv::SystemRoots::Under(BusyDesktop());
    for (auto _ : bench) {
        if (qv::ListSerialDevices(roots).size() != kAdapters) bench.SkipWithError("adapters");
    }
}
BENCHMARK(BM_ListSerialDevicesOfABusyDesktop)->Unit(benchmark::kMicrosecond);

// What `ports` reads: every adapter's diagnosis at once.
void BM_DiagnosePortsOfABusyDesktop(benchmark::State& bench) {
    const qv::SystemRoots roots = qv::SystemRoots::Under(BusyDesktop());
    const std::vector<qv::SerialDevice> devices = qv::ListSerialDevices(roots);
    for (auto _ : bench) benchmark::DoNotOptimize(qv::DiagnosePorts(devices, roots));
}
BENCHMARK(BM_DiagnosePortsOfABusyDesktop)->Unit(benchmark::kMillisecond);

// What a port-open message reads: one port's diagnosis.
void BM_DiagnoseOnePortOfABusyDesktop(benchmark::State& bench) {
    const qv::SystemRoots roots = qv::SystemRoots::Under(BusyDesktop());
    const std::optional<qv::SerialDevice> device = qv::DescribeSerialDevice("ttyUSB1", roots);
    if (!device) {
        bench.SkipWithError("no ttyUSB1");
        return;
    }
    for (auto _ : bench) benchmark::DoNotOptimize(qv::DiagnosePort(*device, roots));
}
BENCHMARK(BM_DiagnoseOnePortOfABusyDesktop)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code error;
    fs::remove_all(fs::temp_directory_path() / ("qv-ports-bench-" + std::to_string(::getpid())),
                   error);
    return 0;
}
