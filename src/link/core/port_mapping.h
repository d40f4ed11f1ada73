// Which device the menu's COM1..COM8 stand for.
#pragma once

#include <functional>
#include <optional>
#include <string>
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

// The ports a range names, "COM1..COM4" (either end any of COM1..COM8, upper or lower case, the
// first not after the last): COM1, COM2, COM3, COM4. Nothing when `text` is no range of ports;
// an error text when it is one that names no port (past COM8, or backwards).
struct PortRange {
    std::vector<std::string> ports;
    std::string error;
};
std::optional<PortRange> ExpandPortRange(const std::string& text);

}  // namespace qv
