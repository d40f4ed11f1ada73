// The ports a detection probes when none is named.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "link/core/detect_ports.h"

namespace qv {
namespace {

TEST(DetectPorts, BuiltInPortsAreTheTtySFamilyOnly) {
    for (const char* device : {"/dev/ttyS0", "/dev/ttyS31", "ttyS4"}) {
        EXPECT_TRUE(IsBuiltInSerialDevice(device)) << device;
    }
    for (const char* device :
         {"/dev/ttyUSB0", "/dev/ttyACM1", "/dev/ttyS", "/dev/ttySx1", "/dev/pts/3", "COM1"}) {
        EXPECT_FALSE(IsBuiltInSerialDevice(device)) << device;
    }
}

// Built-in ports with no UART behind them are left out when the system's list gave them, and
// probed when a variable names them; numbers without a device are left out.
TEST(DetectPorts, EveryNumberThatStandsForADeviceWorthAProbe) {
    const std::map<std::string, std::string> variables = {{"QV7100_COM7", "/dev/ttyS3"},
                                                          {"QV7100_COM8", ""}};
    PortLookup lookup;
    lookup.environment = [&](const std::string& name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        if (found == variables.end()) return std::nullopt;
        return found->second;
    };
    lookup.devices = {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3", "/dev/ttyUSB0"};
    const std::set<std::string> withUart = {"/dev/ttyS1"};
    const auto hasUart = [&](const std::string& device) { return withUart.contains(device); };

    EXPECT_EQ(PortsWorthProbing(lookup, hasUart),
              (std::vector<PortName>{{1, "/dev/ttyUSB0"}, {3, "/dev/ttyS1"}, {7, "/dev/ttyS3"}}));

    lookup.devices.clear();
    EXPECT_EQ(PortsWorthProbing(lookup, hasUart), (std::vector<PortName>{{7, "/dev/ttyS3"}}));

    // On Windows every number stands for its COMn.
    lookup.windows = true;
    lookup.environment = nullptr;
    EXPECT_EQ(PortsWorthProbing(lookup, hasUart).size(), 8u);
}

}  // namespace
}  // namespace qv
