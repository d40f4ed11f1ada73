// How transfers end and what comes after: the watchdog, the blinking result, starts while busy,
// and a port that is gone.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "i18n/messages.h"
#include "link/core/link_rig.h"

namespace qv::test {
namespace {

// Brings a transfer to a point where it waits for the radio.
struct WaitingPoint {
    const char* name;
    std::function<void(LinkRig&)> reach;
};

const WaitingPoint kWaitingPoints[] = {
    {"handshake sent", [](LinkRig& rig) { rig.engine.StartRead(); }},
    {"identification requested",
     [](LinkRig& rig) {
         rig.engine.StartRead();
         rig.Receive(kAck);
     }},
    {"half an identification",
     [](LinkRig& rig) {
         rig.engine.StartWrite();
         rig.Receive(AsciiBytes("QV7"));
     }},
    {"read block requested",
     [](LinkRig& rig) {
         rig.replyInstead[Hex(ReadRequest(0x0050))] = {};
         rig.engine.StartRead();
         rig.RunRadio();
     }},
    {"write frame sent",
     [](LinkRig& rig) {
         rig.replyInstead[Hex(WriteFrame(0x0200))] = {};
         rig.engine.StartWrite();
         rig.RunRadio();
     }},
};

TEST(Watchdog, EndsAStalledTransferOnTheSixthTick) {
    for (const WaitingPoint& point : kWaitingPoints) {
        SCOPED_TRACE(point.name);
        LinkRig rig;
        point.reach(rig);
        const std::size_t written = rig.host.writes.size();

        rig.TickTimer1(5);
        EXPECT_TRUE(rig.host.messageBoxes.empty());
        EXPECT_EQ(rig.host.writes.size(), written);
        EXPECT_TRUE(rig.engine.IsRunning());

        rig.TickTimer1(1);
        ASSERT_EQ(rig.host.messageBoxes.size(), 1u);
        EXPECT_EQ(rig.host.messageBoxes[0].text,
                  MessageText(MessageId::CommunicationError, Language::English));
        EXPECT_EQ(rig.host.messageBoxes[0].style, 16);
        EXPECT_EQ(rig.host.messageBoxes[0].title, "");
        EXPECT_TRUE(rig.host.controlsEnabled);  // at once, no blinking result
        EXPECT_FALSE(rig.host.statusVisible);
        EXPECT_FALSE(rig.host.progressVisible);
        EXPECT_FALSE(rig.host.timer1Running);
        EXPECT_FALSE(rig.host.timer2Running);
        EXPECT_EQ(rig.host.writes.size(), written + 1);
        EXPECT_EQ(Hex(rig.host.writes.back()), Hex(kEnd));
        EXPECT_FALSE(rig.host.portOpen);
        EXPECT_TRUE(rig.engine.Variables().TransferClosed);
        EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::CommunicationError});
        EXPECT_EQ(rig.host.actions.back(), "TransferFinished");
        EXPECT_EQ(rig.host.writesToClosedPort, 0);
    }
}

TEST(Watchdog, EveryReplyStartsTheCountAgain) {
    LinkRig rig;
    rig.engine.StartRead();
    rig.TickTimer1(5);
    rig.Receive(kAck);
    rig.TickTimer1(5);
    EXPECT_TRUE(rig.host.outcomes.empty());
    rig.TickTimer1(1);
    EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::CommunicationError});
}

TEST(Watchdog, TicksAfterTheEndAreIgnored) {
    LinkRig rig;
    rig.engine.StartRead();
    rig.RunRadio();
    ASSERT_EQ(rig.host.outcomes, std::vector{TransferOutcome::ReadComplete});
    const std::vector<std::string> actions = rig.host.actions;
    rig.TickTimer1(20);
    EXPECT_EQ(rig.host.actions, actions);
}

// A successful or declined end leaves the result blinking for ten Timer2 ticks.
TEST(StatusBlink, TheControlsComeBackOnTheTenthTickAfterTheEnd) {
    const struct {
        const char* name;
        bool write;
        int bandListPosition;  // the radio reports band 0
        TransferOutcome outcome;
    } cases[] = {
        {"read", false, 0, TransferOutcome::ReadComplete},
        {"write", true, 0, TransferOutcome::WriteComplete},
        {"declined write", true, 1, TransferOutcome::WriteDeclined},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        rig.host.bandListPosition = c.bandListPosition;
        rig.host.answers = {kAnswerNo};
        c.write ? rig.engine.StartWrite() : rig.engine.StartRead();
        rig.RunRadio();
        ASSERT_EQ(rig.host.outcomes, std::vector{c.outcome});

        rig.TickTimer2(9);
        EXPECT_FALSE(rig.host.controlsEnabled);
        EXPECT_TRUE(rig.host.timer2Running);
        rig.TickTimer2(1);
        EXPECT_TRUE(rig.host.controlsEnabled);
        EXPECT_FALSE(rig.host.statusVisible);
        EXPECT_FALSE(rig.host.timer2Running);
        EXPECT_FALSE(rig.engine.Variables().LingerActive);

        rig.TickTimer2(3);  // late ticks of a stopped timer
        EXPECT_FALSE(rig.host.statusVisible);
    }
}

TEST(StatusBlink, EachTickTurnsTheStatusLabelOnOrOff) {
    LinkRig rig;
    rig.engine.StartRead();
    std::vector<bool> shown;
    for (int tick = 0; tick < 4; ++tick) {
        rig.TickTimer2(1);
        shown.push_back(rig.host.statusVisible);
    }
    EXPECT_EQ(shown, (std::vector{true, false, true, false}));
    EXPECT_FALSE(rig.host.controlsEnabled);  // no linger while the transfer runs
}

TEST(TransferStart, IsIgnoredWhileATransferRuns) {
    for (const WaitingPoint& point : kWaitingPoints) {
        SCOPED_TRACE(point.name);
        LinkRig rig;
        point.reach(rig);
        const char mode = rig.engine.Variables().TransferMode;
        const std::vector<std::string> actions = rig.host.actions;

        rig.engine.StartRead();
        rig.engine.StartWrite();
        EXPECT_EQ(rig.host.actions, actions);
        EXPECT_EQ(rig.engine.Variables().TransferMode, mode);

        rig.TickTimer1(6);
        rig.engine.StartRead();
        EXPECT_EQ(Hex(rig.host.writes.back()), Hex(kHandshake));
    }
}

TEST(TransferStart, IsIgnoredWhileTheBandQuestionIsOpen) {
    LinkRig rig;
    rig.host.bandListPosition = 1;
    rig.host.answers = {kAnswerYes};
    rig.host.insideMessageBox = [&] { rig.engine.StartRead(); };
    rig.engine.StartWrite();
    rig.RunRadio();
    EXPECT_EQ(std::count(rig.host.actions.begin(), rig.host.actions.end(), "OpenCom"), 1);
    EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::WriteComplete});
}

// A host without buttons to lock (the command line) may start the next transfer at once; the
// blink of the last result must not hand the controls back in the middle of it.
TEST(TransferStart, DuringTheResultsBlinkEndsTheBlink) {
    LinkRig rig;
    rig.engine.StartRead();
    rig.RunRadio();
    rig.TickTimer2(3);

    rig.engine.StartWrite();
    EXPECT_FALSE(rig.engine.Variables().LingerActive);
    rig.TickTimer2(10);
    EXPECT_FALSE(rig.host.controlsEnabled);
    EXPECT_TRUE(rig.host.timer2Running);
}

// A pulled adapter: the port is gone while the transfer still runs.
TEST(ClosedPort, NothingIsWrittenOnceThePortHasGone) {
    const struct {
        const char* name;
        int bandListPosition;
        int ticks;
        TransferOutcome outcome;
    } cases[] = {
        {"the watchdog's end byte", 0, 6, TransferOutcome::CommunicationError},
        {"the declined write's end byte", 1, 0, TransferOutcome::WriteDeclined},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        rig.host.bandListPosition = c.bandListPosition;
        rig.host.answers = {kAnswerNo};
        rig.replyInstead[Hex(kAck)] = {};
        rig.engine.StartWrite();
        rig.RunRadio();
        const std::size_t written = rig.host.writes.size();
        rig.host.portOpen = false;

        rig.Receive(kAck);
        rig.TickTimer1(c.ticks);
        EXPECT_EQ(rig.host.writes.size(), written);
        EXPECT_EQ(rig.host.writesToClosedPort, 0);
        EXPECT_EQ(rig.host.outcomes, std::vector{c.outcome});
    }
}

}  // namespace
}  // namespace qv::test
