// What answered a probe, in words.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "i18n/messages.h"
#include "link/core/link_rig.h"
#include "link/core/probe_report.h"

namespace qv::test {
namespace {

TEST(ProbeReport, BytesArePrintableAndReadBackUnambiguously) {
    const struct {
        Bytes bytes;
        const char* text;
    } cases[] = {
        {AsciiBytes("QV711"), "QV711"},
        {{'Q', 'V', '7', '1', '1', 0x21, 0x01, 0x00}, "QV711!\\x01\\x00"},
        {{0x7F, 0x80, 0xFF, 0x1B, '\n'}, "\\x7f\\x80\\xff\\x1b\\x0a"},
        {AsciiBytes("a\\x41\"b c"), "a\\\\x41\"b c"},
        {{}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PrintableBytes(c.bytes), c.text);
    }
}

TEST(ProbeReport, EveryAnswerIsToldInBothLanguages) {
    const PortName port = {3, "/dev/ttyUSB2"};
    const auto probe = [](ProbeAnswer answer, Bytes received = {}, std::optional<int> band = {},
                          bool acknowledged = true, PortOpenError error = PortOpenError::None) {
        return ProbeResult{answer, band, std::move(received), acknowledged, error, {}};
    };
    const struct {
        ProbeResult probe;
        std::string english;
        std::string chinese;
    } cases[] = {
        {probe(ProbeAnswer::ThisModel, Identification(63), 3), "QV-7100, 370-390MHz",
         "QV-7100，370-390MHz"},
        {probe(ProbeAnswer::ThisModel, Identification(0x7F)),
         "QV-7100, band unknown (its identification names band byte 0x7f)",
         "QV-7100，频段未知（识别码中的频段字节为 0x7f）"},
        {probe(ProbeAnswer::OtherModel, Concat(AsciiBytes("QV711"), {0x21, 0x01, 0x00})),
         "another model: QV711!\\x01\\x00", "其它型号：QV711!\\x01\\x00"},
        {probe(ProbeAnswer::Nothing, {}, {}, false), "nothing answered", "无应答"},
        {probe(ProbeAnswer::Nothing), "answered the handshake, but sent no identification",
         "应答了握手，但没有发来型号识别码"},
        {probe(ProbeAnswer::Nothing, AsciiBytes("QV-PROG"), {}, false),
         "no answer, but it sent: QV-PROG", "收到的不是应答：QV-PROG"},
        {probe(ProbeAnswer::PortLost, {0x06}), "the device went away during the search",
         "检测时设备已断开"},
        {probe(ProbeAnswer::PortNotOpen, {}, {}, false, PortOpenError::NoPermission),
         PortPermissionMessage("/dev/ttyUSB2", Language::English),
         PortPermissionMessage("/dev/ttyUSB2", Language::Chinese)},
        {probe(ProbeAnswer::PortNotOpen, {}, {}, false, PortOpenError::NotFound),
         PortOpenMessage(PortOpenError::NotFound, port, Language::English),
         PortOpenMessage(PortOpenError::NotFound, port, Language::Chinese)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.english);
        EXPECT_EQ(ProbeAnswerText(c.probe, port, Language::English), c.english);
        EXPECT_EQ(ProbeAnswerText(c.probe, port, Language::Chinese), c.chinese);
    }
}

// The desktop program's report of a look for the radio: a line a port, and under a port that did
// not open, what the system showed that keeps it from working.
TEST(ProbeReport, ALineAPortWithWhatKeepsAPortFromWorking) {
    ProbeResult held;
    held.answer = ProbeAnswer::PortNotOpen;
    held.portError = PortOpenError::NotSerial;
    held.diagnosis.holders = std::vector<HoldingProcess>{{4321, "minicom"}};
    EXPECT_EQ(ProbeReportLine(held, {2, "/dev/ttyUSB1"}, Language::English),
              "COM2 (/dev/ttyUSB1): The program cannot open COM2 (/dev/ttyUSB1): it is not a "
              "serial device. Choose the port the programming cable is plugged into.\n\nAnother "
              "program holds it open: minicom (process 4321). Close that program, or choose "
              "another port.");
    EXPECT_EQ(
        ProbeReportLine(held, {2, "/dev/ttyUSB1"}, Language::Chinese),
        "COM2 (/dev/ttyUSB1)：无法打开 COM2 (/dev/ttyUSB1)：它不是串口设备。请选择写频线所接的"
        "串口。\n\n其它程序正占用它：minicom（进程 4321）。请关掉该程序，或选择其它串口。");
    ProbeResult radio;
    radio.answer = ProbeAnswer::ThisModel;
    radio.band = 3;
    EXPECT_EQ(ProbeReportLine(radio, {1, "/dev/pts/3"}, Language::English),
              "COM1 (/dev/pts/3): QV-7100, 370-390MHz");
}

// Beside each COMn of the port menu: the device and, for a USB adapter, its chip.
TEST(ProbeReport, APortOfTheMenuShowsItsDeviceAndChip) {
    UsbAdapter ch340;
    ch340.vid = "1a86";
    ch340.pid = "7523";
    ch340.chip = "CH340/CH341";
    UsbAdapter unknown;
    unknown.vid = "2341";
    unknown.pid = "0043";
    const struct {
        std::string device;
        std::optional<UsbAdapter> usb;
        std::string english;
        std::string chinese;
    } cases[] = {
        {"/dev/ttyUSB0", ch340, "/dev/ttyUSB0 (CH340/CH341)", "/dev/ttyUSB0（CH340/CH341）"},
        {"/dev/ttyACM0", unknown, "/dev/ttyACM0 (2341:0043)", "/dev/ttyACM0（2341:0043）"},
        {"/dev/ttyS0", std::nullopt, "/dev/ttyS0", "/dev/ttyS0"},
        {"", std::nullopt, "(no device)", "（无设备）"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.english);
        EXPECT_EQ(PortMenuDevice(c.device, c.usb, Language::English), c.english);
        EXPECT_EQ(PortMenuDevice(c.device, c.usb, Language::Chinese), c.chinese);
    }
}

}  // namespace
}  // namespace qv::test
