// What a read or a write learned of the radio on its port, as the status line of the chosen port
// says it afterwards: driven through the engine as the radio answers, or does not.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "link/core/link_rig.h"
#include "link/core/probe_report.h"
#include "link/core/transfer_answer.h"

namespace qv::test {
namespace {

TEST(TransferAnswer, EveryEndOfATransferTellsWhatIsOnItsPort) {
    const struct {
        const char* name;
        bool write;
        std::function<void(LinkRig&)> script;  // set before the transfer starts
        std::function<void(LinkRig&)> after;   // after the radio answered what it answers
        std::string english;
        std::string chinese;
    } cases[] = {
        {"a complete read", false, [](LinkRig&) {}, [](LinkRig&) {}, "COM1: QV-7100, 400-470MHz",
         "COM1：QV-7100，400-470MHz"},
        {"a radio of another band, written anyway", true,
         [](LinkRig& rig) {
             rig.radioBandByte = 63;
             rig.host.answers = {kAnswerYes};
         },
         [](LinkRig&) {}, "COM1: QV-7100, 370-390MHz", "COM1：QV-7100，370-390MHz"},
        {"read request 5 unanswered: the radio had identified itself", false,
         [](LinkRig& rig) { rig.replyInstead[Hex(ReadRequest(0x0010 + 4 * 64))] = {}; },
         [](LinkRig& rig) { rig.TickTimer1(6); }, "COM1: QV-7100, 400-470MHz",
         "COM1：QV-7100，400-470MHz"},
        {"a silent port", false, [](LinkRig& rig) { rig.replyInstead[Hex(kHandshake)] = {}; },
         [](LinkRig& rig) { rig.TickTimer1(6); }, "COM1: nothing answered", "COM1：无应答"},
        {"the handshake acknowledged, nothing more", false,
         [](LinkRig& rig) { rig.replyInstead[Hex(kRequestIdentification)] = {}; },
         [](LinkRig& rig) { rig.TickTimer1(6); },
         "COM1: answered the handshake, but sent no identification",
         "COM1：应答了握手，但没有发来型号识别码"},
        {"another model", true,
         [](LinkRig& rig) {
             rig.replyInstead[Hex(kRequestIdentification)] =
                 Concat(AsciiBytes("QV711"), {33, 0, 0});
         },
         [](LinkRig& rig) { rig.TickTimer1(6); }, "COM1: another model", "COM1：其它型号"},
        {"the cable pulled mid-read", false,
         [](LinkRig& rig) { rig.replyInstead[Hex(ReadRequest(0x0010 + 4 * 64))] = {}; },
         [](LinkRig& rig) {
             rig.host.portOpen = false;
             rig.engine.OnPortLost();
         },
         "COM1: the device went away", "COM1：设备已断开"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        rig.host.transferPort = {1, "/dev/ttyUSB0"};
        c.script(rig);
        c.write ? rig.engine.StartWrite() : rig.engine.StartRead();
        rig.RunRadio();
        c.after(rig);
        ASSERT_EQ(rig.host.outcomes.size(), 1u);
        const ProbeResult answer =
            AnswerOfTransfer(rig.host.outcomes.back(), rig.engine.Variables(), PortOpenError::None);
        EXPECT_EQ(PortStatusText(answer, rig.host.transferPort, Language::English), c.english);
        EXPECT_EQ(PortStatusText(answer, rig.host.transferPort, Language::Chinese), c.chinese);
    }
}

// A port that did not open is told in a word, whatever the transfer before it learned.
TEST(TransferAnswer, APortThatDidNotOpenIsToldInAWord) {
    const struct {
        PortOpenError error;
        std::string english;
        std::string chinese;
    } cases[] = {
        {PortOpenError::NotFound, "COM2: no such device", "COM2：没有这个设备"},
        {PortOpenError::NoPermission, "COM2: no permission", "COM2：没有使用权限"},
        {PortOpenError::Busy, "COM2: held by another program", "COM2：被其它程序占用"},
        {PortOpenError::NotSerial, "COM2: not a serial port", "COM2：不是串口"},
    };
    LinkRig rig;
    rig.engine.StartRead();
    rig.RunRadio();
    ASSERT_EQ(rig.host.outcomes, std::vector{TransferOutcome::ReadComplete});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.english);
        rig.host.portOpensOnOpenCom = false;
        rig.host.portOpenFailure = c.error;
        rig.engine.StartRead();
        const ProbeResult answer =
            AnswerOfTransfer(rig.host.outcomes.back(), rig.engine.Variables(), c.error);
        EXPECT_EQ(PortStatusText(answer, {2, "/dev/ttyUSB1"}, Language::English), c.english);
        EXPECT_EQ(PortStatusText(answer, {2, "/dev/ttyUSB1"}, Language::Chinese), c.chinese);
    }
}

}  // namespace
}  // namespace qv::test
