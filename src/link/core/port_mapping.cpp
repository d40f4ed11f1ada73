#include "link/core/port_mapping.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <tuple>

namespace qv {
namespace {

// USB adapters come before built-in ports: a programming cable is almost always a USB adapter.
constexpr std::array<std::string_view, 3> kFamilies = {"ttyUSB", "ttyACM", "ttyS"};

// (family rank, number, name) of a device path such as "/dev/ttyUSB1".
std::tuple<std::size_t, long, std::string> SortKey(const std::string& device) {
    const std::string_view name = std::string_view(device).substr(device.rfind('/') + 1);
    for (std::size_t rank = 0; rank < kFamilies.size(); ++rank) {
        const std::string_view family = kFamilies[rank];
        if (name.substr(0, family.size()) != family) continue;
        const std::string_view number = name.substr(family.size());
        if (number.empty() || !std::all_of(number.begin(), number.end(), [](char c) {
                return std::isdigit(static_cast<unsigned char>(c));
            })) {
            continue;
        }
        return {rank, std::stol(std::string(number)), device};
    }
    return {kFamilies.size(), 0, device};
}

}  // namespace

std::string ComPortVariable(int port) {
    return "QV7100_COM" + std::to_string(port);
}

std::vector<std::string> OrderSerialDevices(std::vector<std::string> devices) {
    std::sort(devices.begin(), devices.end(),
              [](const std::string& a, const std::string& b) { return SortKey(a) < SortKey(b); });
    devices.erase(std::unique(devices.begin(), devices.end()), devices.end());
    return devices;
}

std::string ResolveComPort(int port, const PortLookup& lookup) {
    if (port < 1 || port > kPortCount) return {};
    if (lookup.environment) {
        if (auto device = lookup.environment(ComPortVariable(port)); device && !device->empty()) {
            return *device;
        }
    }
    if (lookup.windows) return "COM" + std::to_string(port);
    const std::vector<std::string> ordered = OrderSerialDevices(lookup.devices);
    return static_cast<std::size_t>(port) <= ordered.size() ? ordered[port - 1] : std::string();
}

std::optional<int> ComPortNumber(std::string_view text) {
    constexpr std::string_view kCom = "COM";
    // Three digits say more than any port number a system has; more would overflow.
    if (text.size() <= kCom.size() || text.size() > kCom.size() + 3) return std::nullopt;
    for (std::size_t i = 0; i < kCom.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != kCom[i]) return std::nullopt;
    }
    int number = 0;
    for (const char digit : text.substr(kCom.size())) {
        if (digit < '0' || digit > '9') return std::nullopt;
        number = number * 10 + (digit - '0');
    }
    return number;
}

std::string DevicePathOfName(const std::string& text, const std::filesystem::path& devRoot) {
    // A path, or a name that would climb out of the folders.
    if (text.empty() || text.find('/') != std::string::npos || text == "." || text == "..") {
        return text;
    }
    for (const char* folder : {"serial/by-id", "serial/by-path"}) {
        const std::filesystem::path link = devRoot / folder / text;
        std::error_code error;
        if (std::filesystem::is_symlink(link, error)) return link.string();
    }
    return text;
}

std::vector<std::string> PortRange::Ports() const {
    std::vector<std::string> ports;
    if (!NamesPorts()) return ports;
    for (int port = first; port <= last; ++port) ports.push_back("COM" + std::to_string(port));
    return ports;
}

std::optional<PortRange> ParsePortRange(std::string_view text) {
    const std::size_t dots = text.find("..");
    if (dots == std::string_view::npos) return std::nullopt;
    const std::optional<int> first = ComPortNumber(text.substr(0, dots));
    const std::optional<int> last = ComPortNumber(text.substr(dots + 2));
    if (!first || !last) return std::nullopt;
    return PortRange{*first, *last};
}

}  // namespace qv
