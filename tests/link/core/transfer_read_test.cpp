// Reading the radio: the wire exchange, the checks on each block, and how the read ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "i18n/messages.h"
#include "link/core/link_rig.h"

namespace qv::test {
namespace {

Bytes ExpectedReadImage() {
    Bytes image;
    for (const int address : ReadAddresses()) image = Concat(image, RadioData(address));
    return image;
}

std::vector<std::string> ExpectedReadExchange() {
    std::vector<std::string> frames = {Hex(kHandshake), Hex(kRequestIdentification), Hex(kAck)};
    for (const int address : ReadAddresses()) {
        frames.push_back(Hex(ReadRequest(address)));
        frames.push_back(Hex(kAck));
    }
    frames.push_back(Hex(kEnd));
    return frames;
}

std::ptrdiff_t PositionOf(const std::vector<std::string>& actions, const std::string& action) {
    return std::find(actions.begin(), actions.end(), action) - actions.begin();
}

// Verify and compare read the radio without touching the shown set-up: the same exchange and the
// same end as a read, but nothing is decoded and no band is selected.
TEST(ReadTransfer, ACaptureReadsTheSameWayAndChangesNothingShown) {
    LinkRig read;
    read.engine.StartRead();
    read.RunRadio();
    LinkRig capture;
    capture.engine.StartCapture();
    capture.RunRadio();

    EXPECT_EQ(capture.host.WrittenHex(), read.host.WrittenHex());
    EXPECT_EQ(capture.engine.CapturedImage(), ExpectedReadImage());
    EXPECT_TRUE(capture.host.decodedImages.empty());
    EXPECT_TRUE(capture.host.selectedBands.empty());
    EXPECT_EQ(capture.host.outcomes, std::vector{TransferOutcome::ReadComplete});
    EXPECT_EQ(capture.host.statusText, read.host.statusText);
    EXPECT_FALSE(capture.host.portOpen);
    EXPECT_TRUE(capture.engine.Variables().LingerActive);

    // A read after a capture decodes again.
    capture.IgnoreWrittenFrames();
    capture.engine.StartRead();
    capture.RunRadio();
    EXPECT_EQ(capture.host.decodedImages.size(), 1u);
}

TEST(ReadTransfer, FullReadSendsTheRequestsAndDecodesWhatCameBack) {
    LinkRig rig;
    rig.radioBandByte = 53;  // band 4
    rig.engine.StartRead();
    rig.RunRadio();

    EXPECT_EQ(rig.host.WrittenHex(), ExpectedReadExchange());
    EXPECT_EQ(rig.host.WrittenHex()[3], "52 00 10 40");
    EXPECT_EQ(rig.host.WrittenHex()[49], "52 05 D0 40");
    const LinkVariables& vars = rig.engine.Variables();
    EXPECT_EQ(vars.ReadImage.size(), 1536u);
    EXPECT_EQ(vars.ReadImage, ExpectedReadImage());
    EXPECT_EQ(rig.host.decodedImages, std::vector<Bytes>{ExpectedReadImage()});
    EXPECT_EQ(vars.ProgressValue, 1536);
    EXPECT_EQ(rig.host.progressValue, 1536);
    EXPECT_FALSE(rig.host.progressVisible);
    // The band the radio reported is selected after decoding, whatever the image said.
    EXPECT_EQ(rig.host.selectedBands, std::vector<int>{4});
    EXPECT_LT(PositionOf(rig.host.actions, "DecodeImage"),
              PositionOf(rig.host.actions, "SelectBand"));
    EXPECT_EQ(rig.host.statusText, MessageText(MessageId::ReadSuccess, Language::English));
    EXPECT_FALSE(rig.host.portOpen);
    EXPECT_FALSE(rig.host.timer1Running);
    EXPECT_TRUE(vars.TransferClosed);
    EXPECT_TRUE(vars.LingerActive);
    EXPECT_FALSE(rig.host.controlsEnabled);  // they return when the result has blinked out
    EXPECT_TRUE(rig.host.messageBoxes.empty());
    EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::ReadComplete});
    EXPECT_FALSE(rig.engine.IsRunning());
    EXPECT_EQ(rig.host.writesToClosedPort, 0);
}

TEST(ReadTransfer, RepliesArrivingInPiecesAreAssembled) {
    for (const std::size_t pieceLength : {1u, 3u, 67u}) {
        SCOPED_TRACE(pieceLength);
        LinkRig rig;
        rig.replyPieceLength = pieceLength;
        rig.engine.StartRead();
        rig.RunRadio();
        EXPECT_EQ(rig.host.WrittenHex(), ExpectedReadExchange());
        EXPECT_EQ(rig.host.decodedImages, std::vector<Bytes>{ExpectedReadImage()});
        EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::ReadComplete});
    }
}

// The first request (0x0010) is out; what the radio sends back decides whether the tool
// acknowledges it.
TEST(ReadTransfer, ABlockIsTakenOnlyInTheExactFormOfTheRequestedBlock) {
    auto withByte = [](Bytes block, std::size_t index, std::uint8_t value) {
        block[index] = value;
        return block;
    };
    Bytes shortBlock = ReadBlock(0x0010);
    shortBlock.pop_back();
    const struct {
        const char* name;
        Bytes reply;
        bool accepted;
    } cases[] = {
        {"the requested block", ReadBlock(0x0010), true},
        {"another length byte, which is not examined", withByte(ReadBlock(0x0010), 3, 0x00), true},
        {"the next block's address", ReadBlock(0x0050), false},
        {"another low address byte", withByte(ReadBlock(0x0010), 2, 0x11), false},
        {"another high address byte", withByte(ReadBlock(0x0010), 1, 0x01), false},
        {"not starting with W", withByte(ReadBlock(0x0010), 0, 'R'), false},
        {"one byte short", shortBlock, false},
        {"one byte too many", Concat(ReadBlock(0x0010), {0x00}), false},
        {"an acknowledgement in front", Concat(kAck, ReadBlock(0x0010)), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        rig.replyInstead[Hex(ReadRequest(0x0010))] = {};
        rig.engine.StartRead();
        rig.RunRadio();
        ASSERT_EQ(Hex(rig.host.writes.back()), Hex(ReadRequest(0x0010)));
        const std::size_t written = rig.host.writes.size();

        rig.Receive(c.reply);
        if (c.accepted) {
            EXPECT_EQ(rig.host.writes.size(), written + 1);
            EXPECT_EQ(Hex(rig.host.writes.back()), Hex(kAck));
            EXPECT_EQ(rig.engine.Variables().ReadImage, RadioData(0x0010));
        } else {
            EXPECT_EQ(rig.host.writes.size(), written);
            EXPECT_TRUE(rig.engine.Variables().ReadImage.empty());
            rig.TickTimer1(6);
            EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::CommunicationError});
        }
    }
}

TEST(ReadTransfer, AnAcknowledgementFollowedOrPrecededByAnotherByteIsNoAcknowledgement) {
    for (const Bytes& reply : {Bytes{0x06, 0x00}, Bytes{0x00, 0x06}, Bytes{0x06, 0x06}}) {
        SCOPED_TRACE(Hex(reply));
        LinkRig rig;
        rig.replyInstead[Hex(kAck)] = {};
        rig.engine.StartRead();
        rig.RunRadio();  // handshake and identification; the tool's 0x06 goes unanswered
        const std::size_t written = rig.host.writes.size();

        rig.Receive(reply);
        EXPECT_EQ(rig.host.writes.size(), written);
        rig.TickTimer1(6);
        EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::CommunicationError});
        EXPECT_EQ(Hex(rig.host.writes.back()), Hex(kEnd));
    }
}

// A radio that answers a request with a lone 0x06 moves the read on without that block. The
// short image is never decoded.
TEST(ReadTransfer, AReadThatMissedABlockIsNotDecoded) {
    LinkRig rig;
    rig.replyInstead[Hex(ReadRequest(0x0090))] = kAck;
    rig.engine.StartRead();
    rig.RunRadio();

    EXPECT_TRUE(rig.host.decodedImages.empty());
    EXPECT_TRUE(rig.host.selectedBands.empty());
    EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::CommunicationError});
    EXPECT_EQ(Hex(rig.host.writes.back()), Hex(kEnd));
}

TEST(ReadTransfer, AnImageTheHostRefusesEndsWithTheCommunicationError) {
    LinkRig rig;
    rig.host.decodeAccepts = false;
    rig.engine.StartRead();
    rig.RunRadio();

    EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::CommunicationError});
    ASSERT_EQ(rig.host.messageBoxes.size(), 1u);
    EXPECT_EQ(rig.host.messageBoxes[0].style, 16);
    EXPECT_TRUE(rig.host.selectedBands.empty());
    EXPECT_NE(rig.host.statusText, MessageText(MessageId::ReadSuccess, Language::English));
    EXPECT_TRUE(rig.host.controlsEnabled);
    EXPECT_EQ(Hex(rig.host.writes.back()), Hex(kEnd));
    EXPECT_FALSE(rig.host.portOpen);
}

// Decoding may show a message of the codec and run the desktop program's event loop while the
// user reads it; the watchdog no longer runs then, so the complete read stays a success.
TEST(ReadTransfer, AMessageShownWhileDecodingCannotTurnTheReadIntoAnError) {
    LinkRig rig;
    rig.host.insideDecode = [&] { rig.TickTimer1(12); };
    rig.engine.StartRead();
    rig.RunRadio();

    EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::ReadComplete});
    EXPECT_TRUE(rig.host.messageBoxes.empty());
    EXPECT_EQ(rig.host.selectedBands.size(), 1u);
    const std::vector<std::string> written = rig.host.WrittenHex();
    EXPECT_EQ(std::count(written.begin(), written.end(), Hex(kEnd)), 1);
}

// The radio's acknowledgements are handed over by hand, so the last one can come after the
// watchdog has expired.
TEST(ReadTransfer, BytesAfterTheEndCauseNothing) {
    const Bytes lateBytes = Concat(Concat(kAck, ReadBlock(0x05D0)), Identification());
    const struct {
        const char* name;
        int ticksBeforeLastAck;
        TransferOutcome outcome;
        std::size_t decodedImages;
    } cases[] = {
        {"after a complete read", 0, TransferOutcome::ReadComplete, 1},
        {"after a time-out, the last acknowledgement too", 6, TransferOutcome::CommunicationError,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        rig.replyInstead[Hex(kAck)] = {};
        rig.engine.StartRead();
        rig.RunRadio();
        for (int block = 0; block < 24; ++block) {
            rig.Receive(kAck);
            rig.RunRadio();
        }
        ASSERT_EQ(rig.engine.Variables().ReadImage.size(), 1536u);
        rig.TickTimer1(c.ticksBeforeLastAck);
        rig.Receive(kAck);
        ASSERT_EQ(rig.host.outcomes, std::vector{c.outcome});
        const std::vector<std::string> actions = rig.host.actions;

        rig.Receive(lateBytes);
        rig.Receive(kAck);
        EXPECT_EQ(rig.host.actions, actions);
        EXPECT_EQ(rig.host.decodedImages.size(), c.decodedImages);
        EXPECT_TRUE(Digits(rig.engine.Variables().RxHex).ends_with(Digits(lateBytes) + "06"));
    }
}

}  // namespace
}  // namespace qv::test
