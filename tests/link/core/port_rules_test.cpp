#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/messages.h"
#include "link/core/port_choice.h"
#include "link/core/port_mapping.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

TEST(PortMapping, UsbAdaptersComeFirstEachFamilyByNumber) {
    EXPECT_EQ(OrderSerialDevices({"/dev/ttyS10", "/dev/ttyS2", "/dev/ttyACM0", "/dev/ttyUSB10",
                                  "/dev/ttyUSB2", "/dev/rfcomm0", "/dev/ttyS2"}),
              (std::vector<std::string>{"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0",
                                        "/dev/ttyS2", "/dev/ttyS10", "/dev/rfcomm0"}));
}

TEST(PortMapping, ComnIsReadOneWayEverywhere) {
    const struct {
        const char* text;
        std::optional<int> number;
    } cases[] = {
        {"COM1", 1},
        {"com8", 8},
        {"Com3", 3},
        {"COM9", 9},
        {"COM0", 0},
        {"COM012", 12},
        {"COM", std::nullopt},
        {"COM1234", std::nullopt},
        {"COMx", std::nullopt},
        {"COM 1", std::nullopt},
        {"COM1 ", std::nullopt},
        {"/dev/ttyUSB0", std::nullopt},
        {"COM+1", std::nullopt},
        {"ACOM1", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ComPortNumber(c.text), c.number);
    }
}

TEST(PortMapping, ARangeOfPortsNamesEachPortInIt) {
    const struct {
        const char* text;
        std::optional<std::vector<std::string>> ports;  // nothing: not a range
    } cases[] = {
        {"COM1..COM4", std::vector<std::string>{"COM1", "COM2", "COM3", "COM4"}},
        {"com7..Com8", std::vector<std::string>{"COM7", "COM8"}},
        {"COM3..COM3", std::vector<std::string>{"COM3"}},
        // Ranges that name no port.
        {"COM4..COM1", std::vector<std::string>{}},
        {"COM0..COM2", std::vector<std::string>{}},
        {"COM1..COM9", std::vector<std::string>{}},
        {"COM1", std::nullopt},
        {"/dev/ttyUSB0..1", std::nullopt},
        {"/dev/pts/3", std::nullopt},
        {"COM1..", std::nullopt},
        {"COMx..COM2", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<PortRange> range = ParsePortRange(c.text);
        ASSERT_EQ(range.has_value(), c.ports.has_value());
        if (!range) continue;
        EXPECT_EQ(range->Ports(), *c.ports);
        EXPECT_EQ(range->NamesPorts(), !c.ports->empty());
    }
}

TEST(PortMapping, ResolvesComPorts) {
    PortLookup lookup;
    lookup.devices = {"/dev/ttyS0", "/dev/ttyUSB0"};
    lookup.environment = [](const std::string& variable) -> std::optional<std::string> {
        if (variable == "QV7100_COM2") return "/dev/pts/9";
        return std::nullopt;
    };
    EXPECT_EQ(ResolveComPort(1, lookup), "/dev/ttyUSB0");
    EXPECT_EQ(ResolveComPort(2, lookup), "/dev/pts/9") << "the environment wins";
    EXPECT_EQ(ResolveComPort(3, lookup), "") << "no third device";
    EXPECT_EQ(ResolveComPort(0, lookup), "");
    EXPECT_EQ(ResolveComPort(9, lookup), "");
    lookup.windows = true;
    EXPECT_EQ(ResolveComPort(3, lookup), "COM3");
    EXPECT_EQ(ResolveComPort(2, lookup), "/dev/pts/9");
}

// A port whose devices open or fail as the test says.
class FakePort : public PortControl {
  public:
    std::map<int, PortOpenError> failing;
    int number = 1;
    bool open = false;
    int timeoutsApplied = 0;
    PortDiagnosis diagnosis;  // what the system shows of every device

    void Reopen(int port) override {
        open = false;
        if (port >= 1 && port <= 8) number = port;
        open = !failing.contains(number);
    }
    bool IsOpen() const override { return open; }
    PortOpenError LastOpenError() const override {
        return open ? PortOpenError::None : failing.at(number);
    }
    std::string DeviceName() const override { return "/dev/ttyUSB" + std::to_string(number); }
    PortDiagnosis Diagnose() const override { return diagnosis; }
    void ApplyCommTimeouts(const CommTimeouts& timeouts) override {
        EXPECT_EQ(timeouts.WriteTotalTimeoutConstant, 1000u);
        ++timeoutsApplied;
    }
};

class PortMenu : public ::testing::Test {
  protected:
    test::ScriptedHost host;
    ProgramState state;
    FakePort port;

    int Checked() const {
        return static_cast<int>(
            std::count(state.mnucomChecked.begin(), state.mnucomChecked.end(), true));
    }
};

TEST_F(PortMenu, AnOpenedPortIsMarkedAndSaved) {
    ChoosePort(state, host, port, 3);
    EXPECT_TRUE(port.open);
    EXPECT_TRUE(state.mnucomChecked[3]);
    EXPECT_EQ(Checked(), 1);
    EXPECT_EQ(state.CommPortNumber, 3);
    EXPECT_EQ(port.timeoutsApplied, 1);
    ChoosePort(state, host, port, 5);
    EXPECT_TRUE(state.mnucomChecked[5]);
    EXPECT_EQ(Checked(), 1);
    EXPECT_TRUE(host.shown.empty());
}

TEST_F(PortMenu, ABusyPortIsReportedAndTheSavedNumberStays) {
    ChoosePort(state, host, port, 3);
    port.failing[6] = PortOpenError::Busy;
    ChoosePort(state, host, port, 6);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].text, PortBusyMessage(6, Language::Chinese));
    EXPECT_EQ(host.shown[0].style, 64);
    EXPECT_EQ(Checked(), 0) << "the other items lose their mark";
    EXPECT_EQ(state.CommPortNumber, 3);
    EXPECT_EQ(port.timeoutsApplied, 2) << "applied after a failed open too";
}

TEST_F(PortMenu, RechoosingTheMarkedPortLeavesTheMarks) {
    ChoosePort(state, host, port, 2);
    port.failing[2] = PortOpenError::Busy;
    ChoosePort(state, host, port, 2);
    EXPECT_TRUE(state.mnucomChecked[2]) << "its mark is not removed by a failed reopen";
    EXPECT_EQ(host.shown.size(), 1u);
}

TEST_F(PortMenu, APortRefusedForPermissionsSaysHowToGetThem) {
    state.LanguageIsEnglish = 1;
    port.failing[1] = PortOpenError::NoPermission;
    ChoosePort(state, host, port, 1);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].text, PortPermissionMessage("/dev/ttyUSB1", Language::English));
    EXPECT_NE(host.shown[0].text.find("dialout"), std::string::npos);
}

// What the system shows of the device follows the message, each finding with its fix; a port
// refused for permissions is told its own owner and mode in place of the general hint.
TEST_F(PortMenu, APortThatStaysClosedIsToldWhatTheSystemShows) {
    state.LanguageIsEnglish = 1;
    port.diagnosis.holders = std::vector<HoldingProcess>{{4321, "minicom"}};
    port.failing[2] = PortOpenError::Busy;
    ChoosePort(state, host, port, 2);
    port.diagnosis = {};
    NodeAccess owner;
    owner.owner = "root";
    owner.mode = 0600;
    port.diagnosis.access = owner;
    port.failing[3] = PortOpenError::NoPermission;
    ChoosePort(state, host, port, 3);
    ASSERT_EQ(host.shown.size(), 2u);
    EXPECT_EQ(host.shown[0].text,
              PortBusyMessage(2, Language::English) +
                  "\n\nAnother program holds it open: minicom (process 4321). Close that "
                  "program, or choose another port.");
    EXPECT_EQ(host.shown[1].text,
              "You have no permission to use the serial port /dev/ttyUSB3.\n\nOnly the user "
              "root may use it (mode 0600); no group may.");
    EXPECT_EQ(host.shown[1].style, 64);
}

// Every reason a port stays closed has its own message: only a port another program holds is
// called busy.
TEST_F(PortMenu, EachReasonAPortStaysClosedHasItsOwnMessage) {
    const struct {
        PortOpenError error;
        int languageIsEnglish;
        std::string_view text;
    } cases[] = {
        {PortOpenError::NotFound, 1,
         "There is no serial port COM4 (/dev/ttyUSB4) on this computer: plug in the programming "
         "cable, or choose another port."},
        {PortOpenError::NotFound, 0,
         "本机没有串口 COM4 (/dev/ttyUSB4)：请插好写频线，或选择其它串口。"},
        {PortOpenError::NoPermission, 1,
         "You have no permission to use the serial port /dev/ttyUSB4. On Linux, add yourself to "
         "the 'dialout' group (sudo usermod -aG dialout $USER) and log in again."},
        {PortOpenError::NoPermission, 0,
         "您没有使用串口 /dev/ttyUSB4 的权限。在 Linux 上，请把自己加入 'dialout' 组（sudo usermod "
         "-aG dialout $USER），然后重新登录。"},
        {PortOpenError::Busy, 1,
         "Serial port 4 has been other programs use, please choose other serial or turn off its "
         "program."},
        {PortOpenError::Busy, 0, "串行端口4已被其它程序使用，请选择其它串口或关掉其程序."},
        {PortOpenError::NotSerial, 1,
         "The program cannot open COM4 (/dev/ttyUSB4): it is not a serial device. Choose the port "
         "the programming cable is plugged into."},
        {PortOpenError::NotSerial, 0,
         "无法打开 COM4 (/dev/ttyUSB4)：它不是串口设备。请选择写频线所接的串口。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        host.shown.clear();
        state.LanguageIsEnglish = c.languageIsEnglish;
        port.failing[4] = c.error;
        ChoosePort(state, host, port, 4);
        ASSERT_EQ(host.shown.size(), 1u);
        EXPECT_EQ(host.shown[0].text, c.text);
        EXPECT_EQ(host.shown[0].style, 64);
    }
}

TEST(PortProblem, APortIsNamedByItsMenuNumberAndItsDevice) {
    const struct {
        PortName port;
        std::string_view label;
    } cases[] = {
        {{2, "/dev/ttyUSB1"}, "COM2 (/dev/ttyUSB1)"},
        {{2, ""}, "COM2"},                  // the system has no second device
        {{3, "COM3"}, "COM3"},              // Windows: the number is the device
        {{0, "/dev/pts/4"}, "/dev/pts/4"},  // a device given by its path
    };
    for (const auto& c : cases) EXPECT_EQ(PortLabel(c.port), c.label);
}

// A device given by its path, as the command line takes it, is named by its path, also where
// the menu's ports are named by number.
TEST(PortProblem, ADeviceGivenByPathIsNamedByIt) {
    const PortName device = {0, "/dev/pts/4"};
    EXPECT_EQ(PortOpenMessage(PortOpenError::Busy, device, Language::English),
              "Serial port /dev/pts/4 has been other programs use, please choose other serial or "
              "turn off its program.");
    EXPECT_EQ(PortOpenMessage(PortOpenError::NotSerial, device, Language::English),
              "The program cannot open /dev/pts/4: it is not a serial device. Choose the port the "
              "programming cable is plugged into.");
}

}  // namespace
}  // namespace qv
