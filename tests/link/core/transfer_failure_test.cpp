// Why a transfer ended with the communication error: what the engine records for the command line
// to tell, and a port whose device went away.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/messages.h"
#include "link/core/link_rig.h"

namespace qv {

void PrintTo(const TransferFailure& failure, std::ostream* out) {
    *out << "{kind " << static_cast<int>(failure.kind) << ", block " << failure.block << "}";
}

namespace test {
namespace {

// The 30th write frame: 23 blocks up to 0x0170, the one at 0x01B8, then 0x0200 onward.
constexpr int kThirtiethWriteAddress = 0x0200 + 5 * 16;

struct StallCase {
    const char* name;
    bool write;
    std::function<void(LinkRig&)> script;  // set before the transfer starts
    TransferFailure expected;
};

const StallCase kStallCases[] = {
    {"silent radio",
     false,
     [](LinkRig& rig) { rig.replyInstead[Hex(kHandshake)] = {}; },
     {FailureKind::NoAnswer, 0}},
    {"handshake acknowledged, no identification",
     false,
     [](LinkRig& rig) { rig.replyInstead[Hex(kRequestIdentification)] = {}; },
     {FailureKind::NoIdentification, 0}},
    {"half an identification",
     true,
     [](LinkRig& rig) { rig.replyInstead[Hex(kRequestIdentification)] = AsciiBytes("QV7"); },
     {FailureKind::NoIdentification, 0}},
    {"acknowledgement with a byte behind it",
     false,
     [](LinkRig& rig) {
         rig.replyInstead[Hex(kHandshake)] = {0x06, 0x00};
     },
     {FailureKind::NoIdentification, 0}},
    {"another model",
     false,
     [](LinkRig& rig) {
         rig.replyInstead[Hex(kRequestIdentification)] = Concat(AsciiBytes("QV711"), {33, 0, 0});
     },
     {FailureKind::OtherModel, 0}},
    {"identification one byte too long",
     true,
     [](LinkRig& rig) {
         rig.replyInstead[Hex(kRequestIdentification)] = Concat(Identification(), {0x00});
     },
     {FailureKind::OtherModel, 0}},
    {"no acknowledgement after the identification",
     false,
     [](LinkRig& rig) { rig.replyInstead[Hex(kAck)] = {}; },
     {FailureKind::NoReplyToBlock, 0}},
    {"read request 5 unanswered",
     false,
     [](LinkRig& rig) { rig.replyInstead[Hex(ReadRequest(0x0010 + 4 * 64))] = {}; },
     {FailureKind::NoReplyToBlock, 5}},
    {"read block 3 with another block's address",
     false,
     [](LinkRig& rig) { rig.replyInstead[Hex(ReadRequest(0x0090))] = ReadBlock(0x00D0); },
     {FailureKind::NoReplyToBlock, 3}},
    {"last read request unanswered",
     false,
     [](LinkRig& rig) { rig.replyInstead[Hex(ReadRequest(0x05D0))] = {}; },
     {FailureKind::NoReplyToBlock, 24}},
    {"write frame 30 unanswered",
     true,
     [](LinkRig& rig) { rig.replyInstead[Hex(WriteFrame(kThirtiethWriteAddress))] = {}; },
     {FailureKind::NoReplyToBlock, 30}},
    {"write frame 1 refused",
     true,
     [](LinkRig& rig) { rig.replyInstead[Hex(WriteFrame(0x0010))] = {0x15}; },
     {FailureKind::NoReplyToBlock, 1}},
    {"last write frame unanswered",
     true,
     [](LinkRig& rig) { rig.replyInstead[Hex(WriteFrame(0x05F0))] = {}; },
     {FailureKind::NoReplyToBlock, 88}},
};

TEST(FailureReason, TheWatchdogRecordsWhatTheTransferWaitedFor) {
    for (const StallCase& c : kStallCases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        c.script(rig);
        c.write ? rig.engine.StartWrite() : rig.engine.StartRead();
        rig.RunRadio();
        EXPECT_EQ(rig.engine.Variables().Failure, TransferFailure{});
        rig.TickTimer1(6);
        ASSERT_EQ(rig.host.outcomes, std::vector{TransferOutcome::CommunicationError});
        EXPECT_EQ(rig.engine.Variables().Failure, c.expected);
        ASSERT_EQ(rig.host.messageBoxes.size(), 1u);
        EXPECT_EQ(rig.host.messageBoxes[0].text,
                  MessageText(MessageId::CommunicationError, Language::English));
        EXPECT_EQ(rig.host.messageBoxes[0].details,
                  FailureDetails(c.expected, c.write, "COM1 (/dev/ttyUSB0)", Language::English));
    }
}

// Under the communication error, the port and what went wrong, in the language of the messages;
// after a write that had sent data, that the radio should be written again.
TEST(FailureReason, TheCommunicationErrorSaysWhyUnderItsMessage) {
    const struct {
        int languageIsEnglish;
        bool write;
        std::function<void(LinkRig&)> script;
        std::string details;
    } cases[] = {
        {0, false, [](LinkRig& rig) { rig.replyInstead[Hex(kHandshake)] = {}; },
         "COM1 (/dev/ttyUSB0)：对讲机对联机信号没有应答：对讲机开机了吗？写频线插好了吗？"},
        {0, true,
         [](LinkRig& rig) { rig.replyInstead[Hex(WriteFrame(kThirtiethWriteAddress))] = {}; },
         "COM1 (/dev/ttyUSB0)：对讲机对第 30 个写频数据包没有正确应答\n"
         "对讲机里现在可能新旧设置混杂，请重新写频"},
        {1, true,
         [](LinkRig& rig) { rig.replyInstead[Hex(WriteFrame(kThirtiethWriteAddress))] = {}; },
         "COM1 (/dev/ttyUSB0): the radio gave no valid answer to write frame 30\n"
         "the radio may now hold a mix of its old and the new set-up: write it again"},
        {2, false, [](LinkRig& rig) { rig.replyInstead[Hex(ReadRequest(0x0090))] = {}; },
         "COM1 (/dev/ttyUSB0): the radio gave no valid answer to read request 3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.details);
        LinkRig rig;
        rig.host.languageIsEnglish = c.languageIsEnglish;
        c.script(rig);
        c.write ? rig.engine.StartWrite() : rig.engine.StartRead();
        rig.RunRadio();
        rig.TickTimer1(6);
        ASSERT_EQ(rig.host.messageBoxes.size(), 1u);
        EXPECT_EQ(rig.host.messageBoxes[0].text,
                  MessageText(MessageId::CommunicationError, MessageLanguage(c.languageIsEnglish)));
        EXPECT_EQ(rig.host.messageBoxes[0].details, c.details);
        EXPECT_EQ(std::count(rig.host.actions.begin(), rig.host.actions.end(), "CloseMessageBox"),
                  0)
            << "no question was open";
    }
}

// Every way a transfer fails, told in both languages after the name of its port.
TEST(FailureDetails, TellWhatWentWrongAndWhereInBothLanguages) {
    const struct {
        TransferFailure failure;
        bool write;
        Language language;
        std::string_view details;
    } cases[] = {
        {{FailureKind::NoAnswer, 0},
         true,
         Language::Chinese,
         "COM2：对讲机对联机信号没有应答：对讲机开机了吗？写频线插好了吗？"},
        {{FailureKind::NoIdentification, 0},
         false,
         Language::Chinese,
         "COM2：对讲机应答了联机信号，但没有报告机型"},
        {{FailureKind::OtherModel, 0},
         true,
         Language::Chinese,
         "COM2：应答的是其他型号的对讲机，不是 QV-7100"},
        {{FailureKind::OtherModel, 0},
         false,
         Language::English,
         "COM2: another model answered: its identification is not a QV-7100's"},
        {{FailureKind::NoReplyToBlock, 0},
         true,
         Language::Chinese,
         "COM2：对讲机报告机型后就不再应答"},
        {{FailureKind::NoReplyToBlock, 0},
         true,
         Language::English,
         "COM2: the radio stopped answering after identifying itself"},
        {{FailureKind::NoReplyToBlock, 5},
         false,
         Language::Chinese,
         "COM2：对讲机对第 5 个读频请求没有正确应答"},
        {{FailureKind::IncompleteImage, 24},
         false,
         Language::Chinese,
         "COM2：对讲机漏发了一块数据，读到的数据不完整"},
        {{FailureKind::IncompleteImage, 24},
         false,
         Language::English,
         "COM2: the radio left out a block: its memory arrived incomplete"},
        {{FailureKind::ImageRefused, 24},
         false,
         Language::Chinese,
         "COM2：读到的对讲机数据无法识别"},
        {{FailureKind::ImageRefused, 24},
         false,
         Language::English,
         "COM2: the radio's memory could not be decoded"},
        {{FailureKind::CableGone, 0},
         false,
         Language::Chinese,
         "COM2：串口设备断开了（写频线或 USB 适配器被拔掉了？）"},
        {{FailureKind::CableGone, 7},
         false,
         Language::Chinese,
         "COM2：在第 7 个读频请求时串口设备断开了（写频线或 USB 适配器被拔掉了？）"},
        {{FailureKind::CableGone, 41},
         true,
         Language::Chinese,
         "COM2：在第 41 个写频数据包时串口设备断开了（写频线或 USB 适配器被拔掉了？）\n"
         "对讲机里现在可能新旧设置混杂，请重新写频"},
        // The message says it all; only a write that had sent data has more to say.
        {{FailureKind::AnswerTooLate, 0}, true, Language::English, ""},
        {{FailureKind::AnswerTooLate, 10},
         true,
         Language::Chinese,
         "对讲机里现在可能新旧设置混杂，请重新写频"},
        {{FailureKind::None, 0}, true, Language::Chinese, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.details);
        EXPECT_EQ(FailureDetails(c.failure, c.write, "COM2", c.language), c.details);
    }
}

TEST(FailureReason, AReadThatCannotBeDecodedSaysWhy) {
    const struct {
        const char* name;
        std::function<void(LinkRig&)> script;
        FailureKind expected;
    } cases[] = {
        {"a lone acknowledgement instead of block 3",
         [](LinkRig& rig) { rig.replyInstead[Hex(ReadRequest(0x0090))] = kAck; },
         FailureKind::IncompleteImage},
        {"the decoder refuses the image", [](LinkRig& rig) { rig.host.decodeAccepts = false; },
         FailureKind::ImageRefused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        c.script(rig);
        rig.engine.StartRead();
        rig.RunRadio();
        ASSERT_EQ(rig.host.outcomes, std::vector{TransferOutcome::CommunicationError});
        EXPECT_EQ(rig.engine.Variables().Failure, (TransferFailure{c.expected, 24}));
    }
}

TEST(FailureReason, EveryOtherEndLeavesNoneAndAStartForgetsTheLastOne) {
    LinkRig rig;
    rig.engine.StartRead();
    rig.TickTimer1(6);
    ASSERT_EQ(rig.engine.Variables().Failure.kind, FailureKind::NoAnswer);

    rig.IgnoreWrittenFrames();
    rig.engine.StartRead();
    EXPECT_EQ(rig.engine.Variables().Failure, TransferFailure{});
    rig.RunRadio();
    EXPECT_EQ(rig.host.outcomes.back(), TransferOutcome::ReadComplete);
    EXPECT_EQ(rig.engine.Variables().Failure, TransferFailure{});

    rig.host.bandListPosition = 1;
    rig.host.answers = {kAnswerNo};
    rig.IgnoreWrittenFrames();
    rig.engine.StartWrite();
    rig.RunRadio();
    EXPECT_EQ(rig.host.outcomes.back(), TransferOutcome::WriteDeclined);
    EXPECT_EQ(rig.engine.Variables().Failure, TransferFailure{});
}

// Brings a transfer to a point where it waits for the radio, as the user would find it.
struct LostAt {
    const char* name;
    bool write;
    std::function<void(LinkRig&)> script;
    int block;
};

const LostAt kLostAt[] = {
    {"handshake", false, [](LinkRig& rig) { rig.replyInstead[Hex(kHandshake)] = {}; }, 0},
    {"read request 7", false,
     [](LinkRig& rig) { rig.replyInstead[Hex(ReadRequest(0x0010 + 6 * 64))] = {}; }, 7},
    {"write frame 30", true,
     [](LinkRig& rig) { rig.replyInstead[Hex(WriteFrame(kThirtiethWriteAddress))] = {}; }, 30},
};

// The port closed itself: the transfer ends at once with the watchdog's steps, but for the end
// byte, which a closed port cannot take.
TEST(PortLost, EndsAWaitingTransferAtOnceAsTheWatchdogWould) {
    for (const LostAt& point : kLostAt) {
        SCOPED_TRACE(point.name);
        LinkRig watched;
        LinkRig lost;
        for (LinkRig* rig : {&watched, &lost}) {
            point.script(*rig);
            point.write ? rig->engine.StartWrite() : rig->engine.StartRead();
            rig->RunRadio();
        }
        const std::size_t before = lost.host.actions.size();
        const std::size_t written = lost.host.writes.size();
        watched.TickTimer1(6);
        lost.host.portOpen = false;
        lost.engine.OnPortLost();

        std::vector<std::string> watchdogSteps(watched.host.actions.begin() + before,
                                               watched.host.actions.end());
        std::erase(watchdogSteps, "WriteBytes");
        EXPECT_EQ(
            std::vector<std::string>(lost.host.actions.begin() + before, lost.host.actions.end()),
            watchdogSteps);
        ASSERT_EQ(lost.host.messageBoxes.size(), 1u);
        EXPECT_EQ(lost.host.messageBoxes[0].text,
                  MessageText(MessageId::CommunicationError, Language::English));
        EXPECT_EQ(lost.host.messageBoxes[0].style, 16);
        EXPECT_EQ(lost.host.writes.size(), written);
        EXPECT_EQ(lost.host.writesToClosedPort, 0);
        EXPECT_EQ(lost.host.outcomes, std::vector{TransferOutcome::CommunicationError});
        EXPECT_EQ(lost.engine.Variables().Failure,
                  (TransferFailure{FailureKind::CableGone, point.block}));
        EXPECT_TRUE(lost.host.controlsEnabled);
        EXPECT_FALSE(lost.engine.IsRunning());

        lost.TickTimer1(6);  // the watchdog has nothing left to end
        EXPECT_EQ(lost.host.messageBoxes.size(), 1u);
    }
}

// Stop gives up a transfer that waits for the radio with the watchdog's own steps, the end byte
// included, and a second Stop finds nothing left to end.
TEST(Stop, EndsAWaitingTransferAtOnceAsTheWatchdogWould) {
    for (const LostAt& point : kLostAt) {
        SCOPED_TRACE(point.name);
        LinkRig watched;
        LinkRig stopped;
        for (LinkRig* rig : {&watched, &stopped}) {
            point.script(*rig);
            point.write ? rig->engine.StartWrite() : rig->engine.StartRead();
            rig->RunRadio();
        }
        const std::size_t before = stopped.host.actions.size();
        watched.TickTimer1(6);
        stopped.engine.Stop();
        EXPECT_EQ(std::vector<std::string>(stopped.host.actions.begin() + before,
                                           stopped.host.actions.end()),
                  std::vector<std::string>(watched.host.actions.begin() + before,
                                           watched.host.actions.end()));
        EXPECT_EQ(stopped.host.writes, watched.host.writes) << "the end byte too";
        EXPECT_EQ(stopped.engine.Variables().Failure, watched.engine.Variables().Failure);
        EXPECT_FALSE(stopped.engine.IsRunning());
        stopped.engine.Stop();
        EXPECT_EQ(stopped.host.outcomes, std::vector{TransferOutcome::CommunicationError});
    }
}

TEST(PortLost, ChangesNothingWhenNoTransferWaitsForTheRadio) {
    const struct {
        const char* name;
        std::function<void(LinkRig&)> run;
        TransferOutcome outcome;
    } cases[] = {
        {"after a completed read",
         [](LinkRig& rig) {
             rig.engine.StartRead();
             rig.RunRadio();
             rig.engine.OnPortLost();
         },
         TransferOutcome::ReadComplete},
        // Every byte is in and the watchdog is stopped: only the end byte is lost.
        {"while the read image is decoded",
         [](LinkRig& rig) {
             rig.host.insideDecode = [&rig] {
                 rig.host.portOpen = false;
                 rig.engine.OnPortLost();
             };
             rig.engine.StartRead();
             rig.RunRadio();
         },
         TransferOutcome::ReadComplete},
        // A notice that comes late, when the port was opened again for the next transfer.
        {"with the port open",
         [](LinkRig& rig) {
             rig.replyInstead[Hex(kHandshake)] = {};
             rig.engine.StartRead();
             rig.engine.OnPortLost();
             rig.replyInstead.clear();
             rig.RunRadio();
         },
         TransferOutcome::ReadComplete},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        c.run(rig);
        EXPECT_EQ(rig.host.outcomes, std::vector{c.outcome});
        EXPECT_TRUE(rig.host.messageBoxes.empty());
        EXPECT_EQ(rig.host.writesToClosedPort, 0);
        EXPECT_EQ(rig.engine.Variables().Failure, TransferFailure{});
    }

    LinkRig idle;
    idle.host.portOpen = false;
    idle.engine.OnPortLost();
    EXPECT_TRUE(idle.host.actions.empty());
}

}  // namespace
}  // namespace test
}  // namespace qv
