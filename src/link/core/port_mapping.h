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

}  // namespace qv
