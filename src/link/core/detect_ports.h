// Which ports a detection probes when the user names none.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "link/core/port_mapping.h"
#include "link/core/port_problem.h"

namespace qv {

// A built-in serial port of the system ("/dev/ttyS0"): listed by the system whether or not a UART
// is behind it.
bool IsBuiltInSerialDevice(std::string_view device);

// COM1..COM8, in order, each with the device `lookup` resolves it to, leaving out a number that
// stands for no device, and a built-in port the system's list gave it when `hasUart` says no UART
// is behind it: a probe there would only wait out its time. A device named by a port's
// environment variable is probed as it is, as any port the user names.
std::vector<PortName> PortsWorthProbing(const PortLookup& lookup,
                                        const std::function<bool(const std::string&)>& hasUart);

}  // namespace qv
