// Which device the menu's COM1..COM8 stand for.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr int kPortCount = 8;  // COM1..COM8

// "QV7100_COM3": the environment variable that names the device of COM3.
std::string ComPortVariable(int port);

// Serial devices in the order COMn counts them: USB adapters first (ttyUSB*, then ttyACM*), then
// built-in ports (ttyS*), each by number; other devices last, by name.
std::vector<std::string> OrderSerialDevices(std::vector<std::string> devices);

struct PortLookup {
    std::function<std::optional<std::string>(const std::string& variable)> environment;
    bool windows = false;
    std::vector<std::string> devices;  // the system's serial devices, in any order
};

// The device of COM`port`: the device named by its environment variable when set; on Windows
// "COMn" itself; elsewhere the n-th serial device. Empty when there is none.
std::string ResolveComPort(int port, const PortLookup& lookup);

// The number n of a port named "COMn" (any case, n in decimal digits), whether or not the port
// menu has it; nothing for any other text, such as a device path. The one reading of "COMn" for
// the command line, the fleet and the port ranges.
std::optional<int> ComPortNumber(std::string_view text);

// The device path `text` stands for: a name as /dev/serial/by-id or /dev/serial/by-path lists it
// ("usb-1a86_USB_Serial-if00-port0") is the link of that name there, looked up under `devRoot`;
// any other text (a path, "COMn", "ttyUSB0", a name neither folder has) is itself.
std::string DevicePathOfName(const std::string& text,
                             const std::filesystem::path& devRoot = "/dev");

// "COM1..COM4" (either end "COMn" in any case): the ports from `first` to `last`. A range that
// runs backwards or past the menu's ports names none.
struct PortRange {
    int first = 0;
    int last = 0;

    bool NamesPorts() const { return first >= 1 && last <= kPortCount && first <= last; }
    // "COM1", "COM2", ...; nothing when the range names no ports.
    std::vector<std::string> Ports() const;
};

// The range `text` spells; nothing when it is no range of ports.
std::optional<PortRange> ParsePortRange(std::string_view text);

}  // namespace qv
