#include "link/core/detect_ports.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace qv {

bool IsBuiltInSerialDevice(std::string_view device) {
    constexpr std::string_view kBuiltIn = "ttyS";
    const std::string_view name = device.substr(device.rfind('/') + 1);
    if (!name.starts_with(kBuiltIn) || name.size() == kBuiltIn.size()) return false;
    const std::string_view number = name.substr(kBuiltIn.size());
    return std::all_of(number.begin(), number.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

std::vector<PortName> PortsWorthProbing(const PortLookup& lookup,
                                        const std::function<bool(const std::string&)>& hasUart) {
    std::vector<PortName> ports;
    for (int number = 1; number <= kPortCount; ++number) {
        const std::string device = ResolveComPort(number, lookup);
        if (device.empty()) continue;
        const std::optional<std::string> named =
            lookup.environment ? lookup.environment(ComPortVariable(number)) : std::nullopt;
        const bool listed = !named || named->empty();
        if (listed && IsBuiltInSerialDevice(device) && hasUart && !hasUart(device)) continue;
        ports.push_back({number, device});
    }
    return ports;
}

}  // namespace qv
