// What answered a probe, in words.
#include <gtest/gtest.h>

#include <cstdint>
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
        return ProbeResult{answer, band, std::move(received), acknowledged, error};
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

}  // namespace
}  // namespace qv::test
