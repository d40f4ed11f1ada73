// Reads and writes through QSerialPort on a pseudo-terminal, against the virtual radio.
#include <gtest/gtest.h>

#include <QSerialPort>

#include <algorithm>

#include "i18n/messages.h"
#include "i18n/msgbox.h"
#include "link/core/port_choice.h"
#include "link/qt/link_fixture.h"
#include "sim/radio_fault.h"

namespace qv {
namespace {

using test::LinkEndToEnd;

// Image offsets a write leaves as the radio had them: the calibration block (unless calibration
// access is open) and the two reserved areas.
bool RadioKeeps(std::size_t offset, bool calibrationUnlocked) {
    return (!calibrationUnlocked && offset >= 0x170 && offset < 0x180) ||
           (offset >= 0x180 && offset < 0x1A8) || (offset >= 0x1B8 && offset < 0x1F0);
}

class ReadEveryBand : public LinkEndToEnd, public ::testing::WithParamInterface<int> {};

TEST_P(ReadEveryBand, DecodesTheRadioAndTakesItsBand) {
    const int band = GetParam();
    // The image names band 0; the radio's identification decides.
    StartRadio(SampleImage(0), band);
    ASSERT_EQ(Run(false), TransferOutcome::ReadComplete);
    EXPECT_EQ(state.Combo1, band);
    EXPECT_EQ(state.BandIndex, band);
    EXPECT_EQ(EncodeImage(state), SampleImage(band));
    EXPECT_EQ(state.Grid1[48][kColRxFrequency], "455.12500");
    EXPECT_TRUE(host.shown.empty());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(view.controlsEnabled);
    EXPECT_TRUE(view.bandFrameFocused);
    EXPECT_EQ(view.statusTexts.back(), MessageText(MessageId::ReadSuccess, Language::English));
    const RadioRecord record = RadioAtRest();
    EXPECT_EQ(record.blocksRead.size(), 24u);
    EXPECT_EQ(record.endsReceived, 1);
}

class WriteEveryBand : public LinkEndToEnd, public ::testing::WithParamInterface<int> {};

TEST_P(WriteEveryBand, WritesAllButWhatTheRadioKeeps) {
    const int band = GetParam();
    const ImageBytes radioImage = EncodeImage(StartupState(host));
    StartRadio(radioImage, band);
    DecodeImageBytes(SampleImage(band), state, host);
    ASSERT_EQ(Run(true), TransferOutcome::WriteComplete);
    EXPECT_TRUE(host.shown.empty()) << "the bands agree: no question";
    const RadioRecord record = RadioAtRest();
    EXPECT_EQ(record.blocksWritten.size(), 88u);
    EXPECT_EQ(record.endsReceived, 1);
    const ImageBytes written = SampleImage(band);
    const auto memory = record.ImagePart();
    for (std::size_t offset = 0; offset < kImageBytes; ++offset) {
        const std::uint8_t expected =
            RadioKeeps(offset, false) ? radioImage[offset] : written[offset];
        ASSERT_EQ(memory[offset], expected) << "image offset " << std::hex << offset;
    }
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(view.statusTexts.back(), MessageText(MessageId::WriteSuccess, Language::English));
}

INSTANTIATE_TEST_SUITE_P(Bands, ReadEveryBand, ::testing::Range(0, 6));
INSTANTIATE_TEST_SUITE_P(Bands, WriteEveryBand, ::testing::Range(0, 6));

TEST_F(LinkEndToEnd, CalibrationAccessWritesTheCalibrationBlockToo) {
    const ImageBytes radioImage = EncodeImage(StartupState(host));
    StartRadio(radioImage, 0);
    DecodeImageBytes(SampleImage(0), state, host);
    state.CalibrationUnlocked = true;
    ASSERT_EQ(Run(true), TransferOutcome::WriteComplete);
    const RadioRecord record = RadioAtRest();
    EXPECT_EQ(record.blocksWritten.size(), 89u);
    EXPECT_EQ(record.memory[0x183], 111) << "the high power level reached the radio";
}

TEST_F(LinkEndToEnd, ABandMismatchAnsweredNoWritesNothing) {
    StartRadio(EncodeImage(StartupState(host)), 3);
    DecodeImageBytes(SampleImage(1), state, host);
    host.answers = {kIdNo};
    ASSERT_EQ(Run(true), TransferOutcome::WriteDeclined);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].text, MessageText(MessageId::BandMismatch, Language::English));
    const RadioRecord record = RadioAtRest();
    EXPECT_TRUE(record.blocksWritten.empty());
    EXPECT_EQ(record.endsReceived, 1);
    EXPECT_EQ(driver.Engine().Variables().IdentifiedBand, 3);
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(LinkEndToEnd, ABandMismatchAnsweredYesWritesEverything) {
    StartRadio(EncodeImage(StartupState(host)), 3);
    DecodeImageBytes(SampleImage(1), state, host);
    host.answers = {kIdYes};
    ASSERT_EQ(Run(true), TransferOutcome::WriteComplete);
    EXPECT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(radio->Snapshot().blocksWritten.size(), 88u);
}

TEST_F(LinkEndToEnd, RepliesSplitIntoSingleBytesStillMakeAWholeReadAndWrite) {
    StartRadio(SampleImage(2), 2, RadioFault{RadioFaultKind::SplitReplies, 0});
    ASSERT_EQ(Run(false), TransferOutcome::ReadComplete);
    EXPECT_EQ(EncodeImage(state), SampleImage(2));
    view.outcome.reset();
    ASSERT_EQ(Run(true), TransferOutcome::WriteComplete);
    EXPECT_EQ(radio->Snapshot().endsReceived, 2);
}

// Every way the radio or the cable can fail ends in the communication error: the message, 0x45
// sent, the port closed, the controls back, and the set-up as it was. The engine says why.
struct Fault {
    const char* name;
    bool write;
    TransferFailure failure;
};

class FaultyRadio : public LinkEndToEnd, public ::testing::WithParamInterface<Fault> {};

TEST_P(FaultyRadio, EndsInTheCommunicationError) {
    const Fault fault = GetParam();
    const RadioFault radioFault = *ParseRadioFault(fault.name);
    StartRadio(SampleImage(0), 0, radioFault);
    const ImageBytes before = EncodeImage(state);
    ASSERT_EQ(Run(fault.write), TransferOutcome::CommunicationError);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].text, MessageText(MessageId::CommunicationError, Language::English));
    EXPECT_EQ(host.shown[0].style, 16);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(view.controlsEnabled);
    EXPECT_EQ(EncodeImage(state), before) << "a failed transfer changes nothing";
    const TransferFailure failure = driver.Engine().Variables().Failure;
    EXPECT_EQ(failure.kind, fault.failure.kind);
    EXPECT_EQ(failure.block, fault.failure.block);
    const RadioRecord record = RadioAtRest();
    if (radioFault.kind == RadioFaultKind::CablePulled) {
        EXPECT_TRUE(record.hungUp);
    } else {
        EXPECT_EQ(record.endsReceived, 1) << "the radio is told programming has ended";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultyRadio,
    ::testing::Values(Fault{"silent", false, {FailureKind::NoAnswer, 0}},
                      Fault{"wrong-model", false, {FailureKind::OtherModel, 0}},
                      Fault{"wrong-id-length", false, {FailureKind::OtherModel, 0}},
                      Fault{"no-reply:5", false, {FailureKind::NoReplyToBlock, 5}},
                      Fault{"wrong-address:3", false, {FailureKind::NoReplyToBlock, 3}},
                      Fault{"garbage-after-ack:0", false, {FailureKind::NoIdentification, 0}},
                      Fault{"garbage-after-ack:4", false, {FailureKind::NoReplyToBlock, 4}},
                      // The radio hangs up once block 7 is out; the tool's acknowledgement of it
                      // finds the line dead.
                      Fault{"cable-pulled:7", false, {FailureKind::CableGone, 7}},
                      Fault{"no-reply:30", true, {FailureKind::NoReplyToBlock, 30}},
                      Fault{"wrong-address:2", true, {FailureKind::NoReplyToBlock, 2}},
                      Fault{"garbage-after-ack:88", true, {FailureKind::NoReplyToBlock, 88}},
                      // Frame 40 is acknowledged, frame 41 goes into the dead line.
                      Fault{"cable-pulled:40", true, {FailureKind::CableGone, 41}}),
    [](const ::testing::TestParamInfo<Fault>& fault) {
        std::string name = std::string(fault.param.write ? "write_" : "read_") + fault.param.name;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

// A reply that came after the last transfer had given up waits on the line; the next transfer
// must not take it for the radio's answer to its handshake.
TEST_F(LinkEndToEnd, BytesWaitingOnTheLineBeforeATransferAreLeftOut) {
    StartRadio(SampleImage(2), 2);
    const std::vector<std::uint8_t> late = {0x06, 0x57, 0x00, 0x10, 0x40, 0xFF, 0xFF};
    ASSERT_TRUE(radio->SendUnasked(late));
    ASSERT_EQ(Run(false), TransferOutcome::ReadComplete);
    EXPECT_EQ(EncodeImage(state), SampleImage(2));
}

TEST_F(LinkEndToEnd, APortHeldByAnotherProgramIsReportedAndNothingIsSent) {
    StartRadio(SampleImage(0), 0);
    QSerialPort other(QString::fromStdString(radio->DevicePath()));
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));
    EXPECT_EQ(Run(false), TransferOutcome::PortNotOpen);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].text, MessageText(MessageId::PortNotOpen, Language::English));
    EXPECT_EQ(host.shown[0].details,
              "Serial port 1 has been other programs use, please choose other serial or turn off "
              "its program.");
    EXPECT_EQ(host.shown[0].style, 64);
    EXPECT_EQ(port.LastOpenError(), PortOpenError::Busy);
    EXPECT_EQ(radio->Snapshot().sessions, 0);
    EXPECT_TRUE(view.controlsEnabled);
}

TEST_F(LinkEndToEnd, AMissingDeviceIsReported) {
    qputenv("QV7100_COM2", "/dev/qv7100-no-such-device");
    state.CommPortNumber = 2;
    EXPECT_EQ(Run(false), TransferOutcome::PortNotOpen);
    EXPECT_EQ(port.LastOpenError(), PortOpenError::NotFound);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].details,
              "There is no serial port COM2 (/dev/qv7100-no-such-device) on this computer: plug in "
              "the programming cable, or choose another port.");
}

// The port menu: a port another program holds gets the port-busy message and keeps the saved
// number; the next choice of a free port marks it.
TEST_F(LinkEndToEnd, ChoosingPortsFromTheMenu) {
    StartRadio(SampleImage(0), 0);
    PtyServer second(VirtualRadio(SampleImage(0), 0), false);
    ASSERT_TRUE(second.Start(nullptr));
    qputenv("QV7100_COM4", QByteArray::fromStdString(second.DevicePath()));
    QSerialPort other(QString::fromStdString(second.DevicePath()));
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));

    ChoosePort(state, host, port, 1);
    EXPECT_TRUE(port.IsOpen());
    EXPECT_TRUE(state.mnucomChecked[1]);
    EXPECT_EQ(state.CommPortNumber, 1);

    ChoosePort(state, host, port, 4);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].text, PortBusyMessage(4, Language::English));
    EXPECT_EQ(state.CommPortNumber, 1) << "the saved port stays";
    EXPECT_EQ(std::count(state.mnucomChecked.begin(), state.mnucomChecked.end(), true), 0);

    // A read still uses the saved port.
    other.close();
    EXPECT_EQ(Run(false), TransferOutcome::ReadComplete);
    EXPECT_EQ(radio->Snapshot().sessions, 1);
    EXPECT_EQ(second.Snapshot().sessions, 0);
    second.Stop();
}

}  // namespace
}  // namespace qv
