// The probe: the handshake, the identification request and the end byte, and what answered.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/core/link_rig.h"

namespace qv::test {
namespace {

// Everything a probe may send, in order, when the radio identifies itself.
const std::vector<std::string> kProbeFrames = {Hex(kHandshake), Hex(kRequestIdentification),
                                               Hex(kEnd)};

// Nothing a probe does reaches the program: no message, no controls, no status, no blink, no
// codec, no band.
void ExpectTheProgramUntouched(const RecordingLinkHost& host) {
    for (const std::string& action : host.actions) {
        SCOPED_TRACE(action);
        EXPECT_TRUE(action == "OpenCom" || action == "WriteBytes" || action == "Timer1 on" ||
                    action == "Timer1 off" || action == "ClosePort" ||
                    action == "TransferFinished");
    }
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_TRUE(host.controlsEnabled);
    EXPECT_TRUE(host.statusText.empty());
    EXPECT_FALSE(host.progressVisible);
    EXPECT_TRUE(host.selectedBands.empty());
    EXPECT_TRUE(host.decodedImages.empty());
}

TEST(Probe, SendsOnlyTheHandshakeAndWaitsWithTheWatchdogAlone) {
    LinkRig rig;
    rig.engine.StartProbe();

    EXPECT_EQ(rig.host.actions, (std::vector<std::string>{"OpenCom", "WriteBytes", "Timer1 on"}));
    EXPECT_EQ(rig.host.WrittenHex(), std::vector{Hex(kHandshake)});
    EXPECT_TRUE(rig.engine.IsRunning());
    EXPECT_FALSE(rig.host.timer2Running);
}

// A radio of every band is found with its band; the identification is answered with the end byte
// only, never with the acknowledgement that would start the data phase.
TEST(Probe, ARadioIsFoundWithItsBandAndToldToEndAtOnce) {
    const struct {
        std::uint8_t bandByte;
        std::optional<int> band;
    } cases[] = {{33, 0},
                 {21, 1},
                 {43, 2},
                 {63, 3},
                 {53, 4},
                 {73, 5},
                 // An identification byte the tool does not know, and band 0's image code.
                 {0x7F, std::nullopt},
                 {0x33, std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.bandByte));
        LinkRig rig;
        rig.radioBandByte = c.bandByte;
        rig.engine.StartProbe();
        rig.RunRadio();

        EXPECT_EQ(rig.host.WrittenHex(), kProbeFrames);
        EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::ProbeEnded});
        const ProbeResult& probe = rig.engine.LastProbe();
        EXPECT_EQ(probe.answer, ProbeAnswer::ThisModel);
        EXPECT_TRUE(probe.FoundRadio());
        EXPECT_EQ(probe.band, c.band);
        EXPECT_TRUE(probe.acknowledged);
        EXPECT_EQ(Hex(probe.received), Hex(Identification(c.bandByte)));
        EXPECT_FALSE(rig.host.portOpen);
        EXPECT_FALSE(rig.host.timer1Running);
        EXPECT_FALSE(rig.engine.IsRunning());
        ExpectTheProgramUntouched(rig.host);
    }
}

TEST(Probe, TellsWhatAnsweredInsteadOfAnIdentification) {
    const struct {
        const char* name;
        Bytes handshakeReply;  // in place of the acknowledgement; empty: the acknowledgement
        Bytes identification;  // the reply to 0x02; empty: silence
        std::size_t pieceLength;
        ProbeAnswer answer;
        bool acknowledged;
        Bytes received;
        std::vector<std::string> sent;
    } cases[] = {
        {"another model",
         {},
         Concat(AsciiBytes("QV711"), {0x21, 0x01, 0x00}),
         0,
         ProbeAnswer::OtherModel,
         true,
         Concat(AsciiBytes("QV711"), {0x21, 0x01, 0x00}),
         kProbeFrames},
        {"another model, its identification in pieces",
         {},
         AsciiBytes("XY-9000 v2"),
         3,
         ProbeAnswer::OtherModel,
         true,
         AsciiBytes("XY-9000 v"),
         kProbeFrames},
        {"an identification of nine bytes",
         {},
         Concat(Identification(), {0x00}),
         0,
         ProbeAnswer::OtherModel,
         true,
         Concat(Identification(), {0x00}),
         kProbeFrames},
        {"seven bytes of an identification",
         {},
         Concat(AsciiBytes("QV710"), {0x21, 0x00}),
         0,
         ProbeAnswer::Nothing,
         true,
         Concat(AsciiBytes("QV710"), {0x21, 0x00}),
         kProbeFrames},
        {"the handshake acknowledged, no identification",
         {},
         {},
         0,
         ProbeAnswer::Nothing,
         true,
         {},
         kProbeFrames},
        {"a device that echoes",
         kHandshake,
         {},
         0,
         ProbeAnswer::Nothing,
         false,
         kHandshake,
         {Hex(kHandshake), Hex(kEnd)}},
        {"a lone refusal",
         {0x15},
         {},
         0,
         ProbeAnswer::Nothing,
         false,
         {0x15},
         {Hex(kHandshake), Hex(kEnd)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        rig.replyPieceLength = c.pieceLength;
        if (!c.handshakeReply.empty()) rig.replyInstead[Hex(kHandshake)] = c.handshakeReply;
        rig.replyInstead[Hex(kRequestIdentification)] = c.identification;
        rig.engine.StartProbe();
        rig.RunRadio();
        if (rig.engine.IsRunning()) rig.TickTimer1(2);

        EXPECT_EQ(rig.host.WrittenHex(), c.sent);
        EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::ProbeEnded});
        const ProbeResult& probe = rig.engine.LastProbe();
        EXPECT_EQ(probe.answer, c.answer);
        EXPECT_EQ(probe.acknowledged, c.acknowledged);
        EXPECT_EQ(Hex(probe.received), Hex(c.received));
        EXPECT_FALSE(probe.band.has_value());
        EXPECT_FALSE(rig.host.portOpen);
        ExpectTheProgramUntouched(rig.host);
    }
}

// The probe's wait is two ticks of the watchdog, counted again from every reply; on a silent port
// the end byte still goes out, for a radio whose answer was lost on the way.
TEST(Probe, GivesUpOnTheSecondTickWithoutAReplyAndSendsTheEndByte) {
    LinkRig rig;
    rig.replyInstead[Hex(kHandshake)] = {};
    rig.engine.StartProbe();
    rig.RunRadio();
    rig.TickTimer1(1);
    EXPECT_TRUE(rig.engine.IsRunning());
    rig.TickTimer1(1);

    EXPECT_FALSE(rig.engine.IsRunning());
    EXPECT_EQ(rig.host.WrittenHex(), (std::vector{Hex(kHandshake), Hex(kEnd)}));
    EXPECT_EQ(rig.engine.LastProbe().answer, ProbeAnswer::Nothing);
    EXPECT_FALSE(rig.engine.LastProbe().acknowledged);
    EXPECT_TRUE(rig.engine.LastProbe().received.empty());
    EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::ProbeEnded});

    LinkRig acknowledged;
    acknowledged.replyInstead[Hex(kRequestIdentification)] = {};
    acknowledged.engine.StartProbe();
    acknowledged.TickTimer1(1);
    acknowledged.RunRadio();  // the acknowledgement starts the count again
    acknowledged.TickTimer1(1);
    EXPECT_TRUE(acknowledged.engine.IsRunning());
    acknowledged.TickTimer1(1);
    EXPECT_FALSE(acknowledged.engine.IsRunning());
    EXPECT_TRUE(acknowledged.engine.LastProbe().acknowledged);
}

TEST(Probe, APortThatDoesNotOpenIsAnAnswerNotAMessage) {
    for (const PortOpenError error : {PortOpenError::NoPermission, PortOpenError::Busy,
                                      PortOpenError::NotFound, PortOpenError::NotSerial}) {
        SCOPED_TRACE(static_cast<int>(error));
        LinkRig rig;
        rig.host.portOpensOnOpenCom = false;
        rig.host.portOpenFailure = error;
        // What the system showed as the port stayed closed comes with the answer.
        rig.host.portDiagnosis.holders = std::vector<HoldingProcess>{{4321, "minicom"}};
        rig.engine.StartProbe();

        EXPECT_EQ(rig.host.actions, (std::vector<std::string>{"OpenCom", "TransferFinished"}));
        EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::ProbeEnded});
        EXPECT_EQ(rig.engine.LastProbe().answer, ProbeAnswer::PortNotOpen);
        EXPECT_EQ(rig.engine.LastProbe().portError, error);
        EXPECT_EQ(rig.engine.LastProbe().diagnosis.holders, rig.host.portDiagnosis.holders);
        EXPECT_FALSE(rig.engine.IsRunning());
    }
}

TEST(Probe, ADeviceThatGoesAwayEndsItAtOnce) {
    LinkRig rig;
    rig.engine.StartProbe();
    rig.Receive(kAck);
    rig.Receive({0x51, 0x56});
    rig.host.portOpen = false;  // closed by the port itself
    rig.engine.OnPortLost();

    EXPECT_FALSE(rig.engine.IsRunning());
    EXPECT_EQ(rig.engine.LastProbe().answer, ProbeAnswer::PortLost);
    EXPECT_EQ(Hex(rig.engine.LastProbe().received), "51 56");
    EXPECT_EQ(rig.host.writesToClosedPort, 0);
    EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::ProbeEnded});
}

TEST(Probe, StopEndsItAsItsWaitWouldAndLeavesNothingRunning) {
    LinkRig rig;
    rig.engine.StartProbe();
    rig.Receive(kAck);
    rig.engine.Stop();

    EXPECT_FALSE(rig.engine.IsRunning());
    EXPECT_FALSE(rig.host.timer1Running);
    EXPECT_EQ(rig.host.WrittenHex(), kProbeFrames);
    EXPECT_EQ(rig.engine.LastProbe().answer, ProbeAnswer::Nothing);
    EXPECT_TRUE(rig.engine.LastProbe().acknowledged);
    ExpectTheProgramUntouched(rig.host);
}

// Bytes and ticks after the end change nothing: the last probe's answer stays.
TEST(Probe, WhatComesAfterTheEndIsNotTakenForAnAnswer) {
    LinkRig rig;
    rig.engine.StartProbe();
    rig.RunRadio();
    rig.Receive(kAck);
    rig.Receive(Identification(21));
    rig.TickTimer1(6);

    EXPECT_EQ(rig.host.WrittenHex(), kProbeFrames);
    EXPECT_EQ(rig.engine.LastProbe().band, 0);
    EXPECT_EQ(rig.host.outcomes, std::vector{TransferOutcome::ProbeEnded});
}

// One engine probes again and again (a station waiting for radios), and between probes its reads
// and writes are the transfers they always were.
TEST(Probe, IsRepeatableAndLeavesTheTransfersAsTheyWere) {
    LinkRig rig;
    rig.radioBandByte = 63;
    rig.engine.StartProbe();
    rig.engine.StartRead();  // ignored while the probe runs
    rig.RunRadio();
    EXPECT_EQ(rig.engine.LastProbe().band, 3);
    EXPECT_EQ(rig.engine.Variables().RadioBand, 0);
    EXPECT_EQ(rig.engine.Variables().IdentifiedBand, 0);

    rig.replyInstead[Hex(kHandshake)] = {};
    rig.engine.StartProbe();
    rig.RunRadio();
    rig.TickTimer1(2);
    EXPECT_EQ(rig.engine.LastProbe().answer, ProbeAnswer::Nothing);
    EXPECT_FALSE(rig.engine.LastProbe().band.has_value());

    rig.replyInstead.clear();
    rig.engine.StartProbe();
    rig.RunRadio();
    EXPECT_EQ(rig.engine.LastProbe().answer, ProbeAnswer::ThisModel);
    EXPECT_EQ(rig.host.outcomes, std::vector(3, TransferOutcome::ProbeEnded));
    ExpectTheProgramUntouched(rig.host);

    rig.IgnoreWrittenFrames();
    const std::size_t before = rig.host.writes.size();
    rig.engine.StartRead();
    rig.RunRadio();
    EXPECT_EQ(rig.host.outcomes.back(), TransferOutcome::ReadComplete);
    EXPECT_EQ(rig.host.selectedBands, std::vector{3});
    // The handshake, the request, the acknowledgement, 24 requests and acknowledgements, the end.
    EXPECT_EQ(rig.host.writes.size() - before, 3u + 24u * 2u + 1u);
}

}  // namespace
}  // namespace qv::test
