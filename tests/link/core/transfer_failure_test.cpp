// Why a transfer ended with the communication error: what the engine records for the command line
// to tell, and a port whose device went away.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
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
