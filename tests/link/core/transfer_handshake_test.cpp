// The start of a transfer, the handshake and the radio's identification.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "i18n/messages.h"
#include "link/core/link_rig.h"

namespace qv::test {
namespace {

TEST(TransferStart, OpensThePortLocksTheControlsAndSendsTheHandshake) {
    LinkRig rig;
    rig.engine.StartRead();

    EXPECT_EQ(rig.host.actions,
              (std::vector<std::string>{"OpenCom", "controls off", "EnableBandFrameAndFocus",
                                        "WriteBytes", "status text", "Timer1 on", "Timer2 on"}));
    EXPECT_EQ(rig.host.WrittenHex(), std::vector{std::string("51 56 2D 50 52 4F 47")});
    EXPECT_EQ(rig.host.statusText, MessageText(MessageId::Communicating, Language::English));
    const LinkVariables& vars = rig.engine.Variables();
    EXPECT_EQ(vars.TransferMode, 'R');
    EXPECT_EQ(vars.HandshakePending, 1);
    EXPECT_FALSE(vars.TransferClosed);
    EXPECT_TRUE(rig.engine.IsRunning());
}

TEST(TransferStart, WithoutAnOpenPortOnlyTheMessageAppears) {
    const struct {
        bool write;
        int languageIsEnglish;
        Language language;
    } cases[] = {
        {false, 1, Language::English}, {true, 0, Language::Chinese}, {false, 2, Language::English}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.languageIsEnglish);
        LinkRig rig;
        rig.host.portOpensOnOpenCom = false;
        rig.host.languageIsEnglish = c.languageIsEnglish;
        c.write ? rig.engine.StartWrite() : rig.engine.StartRead();

        EXPECT_EQ(rig.host.actions,
                  (std::vector<std::string>{"OpenCom", "LocalMsgBox", "TransferFinished"}));
        ASSERT_EQ(rig.host.messageBoxes.size(), 1u);
        EXPECT_EQ(rig.host.messageBoxes[0].text, MessageText(MessageId::PortNotOpen, c.language));
        EXPECT_EQ(rig.host.messageBoxes[0].style, 64);
        EXPECT_EQ(rig.host.messageBoxes[0].title, "");
        EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::PortNotOpen});
        EXPECT_EQ(rig.engine.Variables().TransferMode, 0);
        EXPECT_EQ(rig.engine.Variables().HandshakePending, 0);
        EXPECT_FALSE(rig.engine.IsRunning());
    }
}

// Under the message, why the port stayed closed, as the port menu would say it.
TEST(TransferStart, WithoutAnOpenPortTheMessageSaysWhy) {
    const struct {
        PortOpenError error;
        int languageIsEnglish;
        Language language;
    } cases[] = {
        {PortOpenError::NotFound, 1, Language::English},
        {PortOpenError::NoPermission, 0, Language::Chinese},
        {PortOpenError::Busy, 1, Language::English},
        {PortOpenError::NotSerial, 0, Language::Chinese},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.error));
        LinkRig rig;
        rig.host.portOpensOnOpenCom = false;
        rig.host.portOpenFailure = c.error;
        rig.host.transferPort = {3, "/dev/ttyUSB2"};
        rig.host.languageIsEnglish = c.languageIsEnglish;
        rig.engine.StartWrite();

        ASSERT_EQ(rig.host.messageBoxes.size(), 1u);
        EXPECT_EQ(rig.host.messageBoxes[0].text, MessageText(MessageId::PortNotOpen, c.language));
        EXPECT_EQ(rig.host.messageBoxes[0].details,
                  PortOpenMessage(c.error, {3, "/dev/ttyUSB2"}, c.language));
        EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::PortNotOpen});
    }
}

// What the system shows of the port's device follows, as the port menu says it.
TEST(TransferStart, WithoutAnOpenPortTheMessageSaysWhatTheSystemShows) {
    LinkRig rig;
    rig.host.portOpensOnOpenCom = false;
    rig.host.portOpenFailure = PortOpenError::Busy;
    rig.host.transferPort = {3, "/dev/ttyUSB2"};
    rig.host.portDiagnosis.holders = std::vector<HoldingProcess>{{4321, "minicom"}};
    rig.engine.StartRead();
    ASSERT_EQ(rig.host.messageBoxes.size(), 1u);
    EXPECT_EQ(rig.host.messageBoxes[0].details,
              PortBusyMessage(3, Language::English) +
                  "\n\nAnother program holds it open: minicom (process 4321). Close that "
                  "program, or choose another port.");
}

TEST(Handshake, OnlyALoneAcknowledgementIsAnsweredWithTheIdentificationRequest) {
    const struct {
        Bytes reply;
        bool answered;
    } cases[] = {
        {{0x06}, true},        {{0x06, 0x00}, false}, {{0x00, 0x06}, false},
        {{0x06, 0x06}, false}, {{0x15}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Hex(c.reply));
        LinkRig rig;
        rig.engine.StartRead();
        rig.Receive(c.reply);
        if (c.answered) {
            EXPECT_EQ(rig.host.WrittenHex(), (std::vector{Hex(kHandshake), std::string("02")}));
        } else {
            EXPECT_EQ(rig.host.writes.size(), 1u);
            rig.TickTimer1(6);
            EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::CommunicationError});
        }
    }
}

TEST(Handshake, EachLoneAcknowledgementBeforeTheIdentificationAsksAgain) {
    LinkRig rig;
    rig.engine.StartRead();
    rig.Receive(kAck);
    rig.Receive(kAck);
    EXPECT_EQ(rig.host.WrittenHex(),
              (std::vector{Hex(kHandshake), std::string("02"), std::string("02")}));
    EXPECT_EQ(rig.engine.Variables().HandshakePending, 1);
}

TEST(Identification, IsEightBytesHoldingTheModelOnByteBoundaries) {
    const struct {
        const char* name;
        bool handshakeAcknowledged;
        Bytes reply;
        bool accepted;
    } cases[] = {
        {"model first", true, Identification(), true},
        {"model at the end", true, Concat({0x00, 0x00, 0x00}, AsciiBytes("QV710")), true},
        {"without the handshake's acknowledgement", false, Identification(), true},
        {"seven bytes", true, Concat(AsciiBytes("QV710"), {0x21, 0x00}), false},
        {"nine bytes", true, Concat(Identification(), {0x00}), false},
        {"an acknowledgement in front", true, Concat(kAck, Identification()), false},
        {"another model", true, Concat(AsciiBytes("QV711"), {0x21, 0x00, 0x00}), false},
        // 05 15 63 73 13 ... reads "0515637313", which holds "5156373130" one digit off.
        {"model digits straddling bytes",
         true,
         {0x05, 0x15, 0x63, 0x73, 0x13, 0x00, 0x00, 0x00},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        rig.engine.StartRead();
        if (c.handshakeAcknowledged) rig.Receive(kAck);
        const std::size_t written = rig.host.writes.size();

        rig.Receive(c.reply);
        const LinkVariables& vars = rig.engine.Variables();
        if (c.accepted) {
            EXPECT_EQ(rig.host.writes.size(), written + 1);
            EXPECT_EQ(Hex(rig.host.writes.back()), Hex(kAck));
            EXPECT_EQ(vars.HandshakePending, 0);
            EXPECT_EQ(vars.BlockAddress, 0x0010);
            EXPECT_TRUE(rig.host.progressVisible);
            EXPECT_EQ(rig.host.progressMaximum, 1536);
            EXPECT_EQ(rig.host.progressValue, 0);
        } else {
            EXPECT_EQ(rig.host.writes.size(), written);
            EXPECT_EQ(vars.HandshakePending, 1);
            rig.TickTimer1(6);
            EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::CommunicationError});
        }
    }
}

// The sixth byte names the band by the decimal numbers 33, 21, 43, 63, 53, 73.
TEST(Identification, TheSixthByteGivesTheRadiosBand) {
    const struct {
        std::uint8_t bandByte;
        int band;
    } cases[] = {{33, 0}, {21, 1}, {43, 2}, {63, 3}, {53, 4}, {73, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.band);
        LinkRig rig;
        rig.engine.StartRead();
        rig.Receive(Identification(c.bandByte));
        EXPECT_EQ(rig.engine.Variables().RadioBand, c.band);
    }
}

TEST(Identification, AnUnknownBandByteKeepsTheBandOfTheLastIdentification) {
    // 0x33 is band 0's code inside the image, not an identification byte.
    for (const std::uint8_t unknown : std::initializer_list<std::uint8_t>{0x33, 0x00, 0xFF}) {
        SCOPED_TRACE(static_cast<int>(unknown));
        LinkRig rig;
        rig.engine.StartRead();
        rig.Receive(Identification(unknown));
        EXPECT_EQ(rig.engine.Variables().RadioBand, 0);
        rig.TickTimer1(6);

        rig.engine.StartRead();
        rig.Receive(Identification(53));
        rig.TickTimer1(6);

        rig.engine.StartRead();
        rig.Receive(Identification(unknown));
        EXPECT_EQ(rig.engine.Variables().RadioBand, 4);
    }
}

TEST(Identification, TakesTheImageToWriteOnlyForAWriteAndStartsAnEmptyReadImage) {
    LinkRig rig;
    rig.engine.StartRead();
    rig.RunRadio();
    ASSERT_EQ(rig.engine.Variables().ReadImage.size(), 1536u);
    rig.TickTimer2(10);
    EXPECT_EQ(std::count(rig.host.actions.begin(), rig.host.actions.end(), "EncodeImage"), 0);

    rig.engine.StartWrite();
    rig.Receive(Identification());
    EXPECT_TRUE(rig.engine.Variables().ReadImage.empty());
    EXPECT_EQ(rig.engine.Variables().WriteImage, FixedImage());
    EXPECT_EQ(std::count(rig.host.actions.begin(), rig.host.actions.end(), "EncodeImage"), 1);
}

}  // namespace
}  // namespace qv::test
