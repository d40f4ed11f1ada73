// Writing the radio: the frames and the addresses left out, and the band question.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "i18n/messages.h"
#include "image/written_bytes.h"
#include "link/core/link_rig.h"

namespace qv::test {
namespace {

std::vector<int> WrittenAddresses(bool calibrationUnlocked) {
    std::vector<int> addresses;
    for (int address = 0x0010; address <= 0x0170; address += 16) addresses.push_back(address);
    if (calibrationUnlocked) addresses.push_back(0x0180);
    addresses.push_back(0x01B8);
    for (int address = 0x0200; address <= 0x05F0; address += 16) addresses.push_back(address);
    return addresses;
}

std::vector<std::string> ExpectedWriteExchange(bool calibrationUnlocked) {
    std::vector<std::string> frames = {Hex(kHandshake), Hex(kRequestIdentification), Hex(kAck)};
    for (const int address : WrittenAddresses(calibrationUnlocked)) {
        frames.push_back(Hex(WriteFrame(address)));
    }
    frames.push_back(Hex(kEnd));
    return frames;
}

TEST(WriteTransfer, FullWriteSendsEveryBlockButThoseTheRadioKeeps) {
    const struct {
        bool calibrationUnlocked;
        std::size_t frames;
    } cases[] = {{false, 88}, {true, 89}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.calibrationUnlocked);
        LinkRig rig;
        rig.host.calibrationUnlocked = c.calibrationUnlocked;
        rig.engine.StartWrite();
        rig.RunRadio();

        const std::vector<std::string> written = rig.host.WrittenHex();
        ASSERT_EQ(written.size(), 3 + c.frames + 1);
        EXPECT_EQ(written, ExpectedWriteExchange(c.calibrationUnlocked));
        EXPECT_EQ(rig.engine.Variables().WriteImage, FixedImage());
        EXPECT_TRUE(rig.host.decodedImages.empty());
        EXPECT_EQ(rig.host.statusText, MessageText(MessageId::WriteSuccess, Language::English));
        EXPECT_TRUE(rig.engine.Variables().LingerActive);
        EXPECT_FALSE(rig.host.progressVisible);
        EXPECT_FALSE(rig.host.portOpen);
        EXPECT_FALSE(rig.host.timer1Running);
        EXPECT_TRUE(rig.host.messageBoxes.empty());
        EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::WriteComplete});
    }
}

// Verify and compare look only at the bytes a write sends: the image ranges they take for it must
// be those the frames carry.
TEST(WriteTransfer, TheFramesCarryExactlyTheWrittenRanges) {
    for (const bool calibrationUnlocked : {false, true}) {
        SCOPED_TRACE(calibrationUnlocked);
        LinkRig rig;
        rig.host.calibrationUnlocked = calibrationUnlocked;
        rig.engine.StartWrite();
        rig.RunRadio();
        std::vector<bool> sent(kImageBytes, false);
        for (const Bytes& frame : rig.host.writes) {
            if (frame.size() != 20 || frame[0] != 'W') continue;
            const int first = (frame[1] << 8 | frame[2]) - 0x0010;
            for (int k = 0; k < frame[3]; ++k) sent.at(static_cast<std::size_t>(first + k)) = true;
        }
        std::vector<bool> ranges(kImageBytes, false);
        for (const ImageRange& range : WrittenRanges(calibrationUnlocked)) {
            for (std::size_t k = range.first; k < range.end(); ++k) ranges.at(k) = true;
        }
        EXPECT_EQ(sent, ranges);
    }
}

// Image byte k is radio address 0x0010 + k, so the block at 0x01B8 carries image bytes
// 0x01A8..0x01B7.
TEST(WriteTransfer, TheBlockOffTheGridCarriesItsOwnImageBytes) {
    LinkRig rig;
    rig.engine.StartWrite();
    rig.RunRadio();
    const std::vector<std::string> written = rig.host.WrittenHex();
    EXPECT_EQ(written[3 + 23], "57 01 B8 10 FD FC FF FE F9 F8 FB FA E5 E4 E7 E6 E1 E0 E3 E2");
    const ImageBytes image = FixedImage();
    EXPECT_EQ(Digits(std::span(image).subspan(0x01A8, 16)), "FDFCFFFEF9F8FBFAE5E4E7E6E1E0E3E2");
}

TEST(WriteTransfer, OnlyALoneAcknowledgementBringsTheNextFrame) {
    for (const Bytes& reply : {Bytes{0x06, 0x00}, Bytes{0x00, 0x06}, Bytes{0x15}}) {
        SCOPED_TRACE(Hex(reply));
        LinkRig rig;
        rig.replyInstead[Hex(WriteFrame(0x0010))] = reply;
        rig.engine.StartWrite();
        rig.RunRadio();
        EXPECT_EQ(Hex(rig.host.writes.back()), Hex(WriteFrame(0x0010)));
        rig.TickTimer1(6);
        EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::CommunicationError});
    }
}

TEST(WriteTransfer, NoQuestionWhenTheSelectedBandIsTheRadiosBand) {
    LinkRig rig;
    rig.radioBandByte = 63;  // band 3
    rig.host.bandListPosition = 3;
    rig.engine.StartWrite();
    rig.RunRadio();
    EXPECT_TRUE(rig.host.messageBoxes.empty());
    EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::WriteComplete});
}

TEST(WriteTransfer, ABandMismatchIsAskedOnceAndYesWritesEverything) {
    LinkRig rig;
    rig.host.bandListPosition = 2;  // the radio reports band 0
    rig.host.answers = {kAnswerYes};
    rig.engine.StartWrite();
    rig.RunRadio();

    ASSERT_EQ(rig.host.messageBoxes.size(), 1u);
    EXPECT_EQ(rig.host.messageBoxes[0].text,
              MessageText(MessageId::BandMismatch, Language::English));
    EXPECT_EQ(rig.host.messageBoxes[0].style, 68);
    EXPECT_EQ(rig.host.messageBoxes[0].title, "");
    EXPECT_EQ(rig.host.WrittenHex(), ExpectedWriteExchange(false));
    EXPECT_EQ(rig.engine.Variables().RadioBand, 2);
    EXPECT_EQ(rig.engine.Variables().IdentifiedBand, 0) << "the radio's own band is kept";
    EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::WriteComplete});
}

TEST(WriteTransfer, NoToTheBandQuestionEndsTheWriteWithoutAnError) {
    LinkRig rig;
    rig.host.bandListPosition = 1;
    rig.host.answers = {kAnswerNo};
    rig.engine.StartWrite();
    rig.RunRadio();

    EXPECT_EQ(rig.host.WrittenHex(),
              (std::vector{Hex(kHandshake), Hex(kRequestIdentification), Hex(kAck), Hex(kEnd)}));
    EXPECT_EQ(rig.host.messageBoxes.size(), 1u);  // the question only, no error message
    EXPECT_EQ(rig.host.statusText, MessageText(MessageId::BandMismatch, Language::English));
    EXPECT_FALSE(rig.host.progressVisible);
    EXPECT_FALSE(rig.host.portOpen);
    EXPECT_FALSE(rig.host.timer1Running);
    EXPECT_TRUE(rig.engine.Variables().TransferClosed);
    EXPECT_TRUE(rig.engine.Variables().LingerActive);
    EXPECT_FALSE(rig.host.controlsEnabled);
    EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::WriteDeclined});

    rig.Receive(kAck);
    EXPECT_EQ(rig.host.writes.size(), 4u);
}

// The desktop program keeps delivering ticks and bytes while the question is open.
TEST(WriteTransfer, AnAnswerAfterTheWatchdogEndedTheWriteChangesNothing) {
    for (const int answer : {kAnswerYes, kAnswerNo}) {
        SCOPED_TRACE(answer);
        LinkRig rig;
        rig.host.bandListPosition = 1;
        rig.host.answers = {answer};
        rig.host.insideMessageBox = [&] { rig.TickTimer1(6); };
        rig.engine.StartWrite();
        rig.RunRadio();

        EXPECT_EQ(rig.host.WrittenHex(), (std::vector{Hex(kHandshake), Hex(kRequestIdentification),
                                                      Hex(kAck), Hex(kEnd)}));
        ASSERT_EQ(rig.host.messageBoxes.size(), 2u);
        EXPECT_EQ(rig.host.messageBoxes[1].style, 16);
        EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::CommunicationError});
        EXPECT_TRUE(rig.host.controlsEnabled);
        const LinkVariables& vars = rig.engine.Variables();
        EXPECT_FALSE(vars.LingerActive);
        EXPECT_EQ(Hex(vars.TxBytes), Hex(kEnd));
        EXPECT_EQ(vars.BlockAddress, 0x0010);
        EXPECT_EQ(rig.host.actions.back(), "TransferFinished");
    }
}

// A write that ends while its band question is open closes the question first: the next message
// never opens over a question whose answer would change nothing. After the watchdog it says that
// the radio stopped waiting; after a lost port, the communication error with the cable's details.
TEST(WriteTransfer, AWriteEndingUnderItsQuestionClosesTheQuestionFirst) {
    const struct {
        const char* name;
        int languageIsEnglish;
        int framesBeforeQuestion;  // write frames acknowledged before the band list changes
        bool portLost;             // the cable goes before the watchdog expires
        std::string text;
        std::string details;
        TransferFailure failure;
    } cases[] = {
        {"watchdog at the first acknowledgement",
         1,
         0,
         false,
         "The radio stopped waiting before the question was answered; the write was broken off. "
         "Write the radio again.",
         "",
         {FailureKind::AnswerTooLate, 0}},
        {"watchdog, in Chinese",
         0,
         0,
         false,
         "您回答之前，对讲机已等待超时，写频已中断。请重新写频。",
         "",
         {FailureKind::AnswerTooLate, 0}},
        {"watchdog after ten frames",
         1,
         10,
         false,
         "The radio stopped waiting before the question was answered; the write was broken off. "
         "Write the radio again.",
         "the radio may now hold a mix of its old and the new set-up: write it again",
         {FailureKind::AnswerTooLate, 10}},
        {"cable pulled",
         1,
         0,
         true,
         "Communication error, please check the intercom model, fault, attachment and computer "
         "serial choice!",
         "COM1 (/dev/ttyUSB0): the serial device went away (cable or adapter unplugged?)",
         {FailureKind::CableGone, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        rig.host.languageIsEnglish = c.languageIsEnglish;
        const auto endUnderTheQuestion = [&] {
            if (c.portLost) {
                rig.host.portOpen = false;
                rig.engine.OnPortLost();
            } else {
                rig.TickTimer1(6);
            }
        };
        if (c.framesBeforeQuestion == 0) {
            rig.host.bandListPosition = 1;
            rig.host.insideMessageBox = endUnderTheQuestion;
            rig.engine.StartWrite();
            rig.RunRadio();
        } else {
            // The user picks another band while the write runs.
            rig.replyInstead[Hex(WriteFrame(0x0010 + (c.framesBeforeQuestion - 1) * 16))] = {};
            rig.engine.StartWrite();
            rig.RunRadio();
            rig.host.bandListPosition = 1;
            rig.host.insideMessageBox = endUnderTheQuestion;
            rig.Receive(kAck);
        }

        ASSERT_EQ(rig.host.messageBoxes.size(), 2u);
        EXPECT_EQ(rig.host.messageBoxes[0].text,
                  MessageText(MessageId::BandMismatch, MessageLanguage(c.languageIsEnglish)));
        EXPECT_EQ(rig.host.messageBoxes[1].text, c.text);
        EXPECT_EQ(rig.host.messageBoxes[1].details, c.details);
        EXPECT_EQ(rig.host.messageBoxes[1].style, 16);
        const std::vector<std::string>& actions = rig.host.actions;
        const auto question = std::find(actions.begin(), actions.end(), "LocalMsgBox");
        const auto closed = std::find(question, actions.end(), "CloseMessageBox");
        ASSERT_NE(closed, actions.end());
        EXPECT_EQ(std::find(question + 1, closed, "LocalMsgBox"), closed)
            << "the question is closed before the next message opens";
        EXPECT_EQ(std::count(actions.begin(), actions.end(), "CloseMessageBox"), 1);
        EXPECT_EQ(rig.engine.Variables().Failure.kind, c.failure.kind);
        EXPECT_EQ(rig.engine.Variables().Failure.block, c.failure.block);
        EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::CommunicationError});
        EXPECT_EQ(rig.host.writesToClosedPort, 0);
        EXPECT_TRUE(rig.host.controlsEnabled);
        EXPECT_FALSE(rig.engine.IsRunning());
    }
}

TEST(WriteTransfer, BytesArrivingWhileTheQuestionIsOpenAreNotActedOn) {
    LinkRig rig;
    rig.host.bandListPosition = 1;
    rig.host.answers = {kAnswerYes};
    rig.host.insideMessageBox = [&] { rig.Receive(kAck); };
    rig.replyInstead[Hex(WriteFrame(0x0010))] = {};
    rig.engine.StartWrite();
    rig.RunRadio();

    // One frame after the tool's acknowledgement, not one for the stray byte as well.
    EXPECT_EQ(rig.host.WrittenHex(), (std::vector{Hex(kHandshake), Hex(kRequestIdentification),
                                                  Hex(kAck), Hex(WriteFrame(0x0010))}));
    EXPECT_EQ(rig.host.messageBoxes.size(), 1u);
}

}  // namespace
}  // namespace qv::test
