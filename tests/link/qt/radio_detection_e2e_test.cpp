// Which port holds a radio, end to end: the detection both programs use probing virtual radios on
// pseudo-terminals of their own, named COM1, COM2... through the environment.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/core/link_rig.h"
#include "link/core/port_mapping.h"
#include "link/qt/link_fixture.h"
#include "link/qt/radio_detection.h"

namespace qv::test {
namespace {

// What a radio may hear from a probe that found it: the handshake, the request, the end.
const Bytes kProbeTranscript = Concat(kHandshake, {0x02, 0x45});

class DetectionEndToEnd : public LinkEndToEnd {
  protected:
    std::vector<std::unique_ptr<PtyServer>> radios;

    void TearDown() override {
        for (const auto& server : radios) server->Stop();
        for (int com = 1; com <= kPortCount; ++com) qunsetenv(ComPortVariable(com).c_str());
        LinkEndToEnd::TearDown();
    }

    // A virtual radio of `band` with `fault`; with `com`, COM`com` stands for it.
    PtyServer& AddRadio(int band, RadioFault fault = {}, int com = 0, bool paced = false) {
        radios.push_back(
            std::make_unique<PtyServer>(VirtualRadio(SampleImage(band), band, fault), paced));
        std::string error;
        EXPECT_TRUE(radios.back()->Start(&error)) << error;
        if (com > 0) {
            qputenv(ComPortVariable(com).c_str(),
                    QByteArray::fromStdString(radios.back()->DevicePath()));
        }
        return *radios.back();
    }

    // Runs the detection on `ports` until every port has ended.
    template <typename Ports>
    void Detect(RadioDetection& detection, const Ports& ports) {
        QEventLoop loop;
        detection.SetFinishedHandler([&loop] { loop.quit(); });
        detection.Start(ports);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        if (detection.IsRunning()) loop.exec();
        EXPECT_FALSE(detection.IsRunning()) << "the detection never ended";
    }

    // The radio's record once it has taken in as many end bytes as it had sessions.
    static RadioRecord RadioAtRest(const PtyServer& server) {
        RadioRecord record = server.Snapshot();
        for (int wait = 0; wait < 200 && record.endsReceived < record.sessions; ++wait) {
            QThread::msleep(10);
            record = server.Snapshot();
        }
        return record;
    }
};

// A radio, a silent port, another model and a radio of another band, all probed at once: each
// port says what answered, and no radio heard more than the handshake, the request and the end.
TEST_F(DetectionEndToEnd, TellsWhatAnsweredOnEachPort) {
    const PtyServer& healthy = AddRadio(0, {}, 1);
    const PtyServer& silent = AddRadio(0, {RadioFaultKind::Silent, 0}, 2);
    const PtyServer& other = AddRadio(0, {RadioFaultKind::WrongModel, 0}, 3);
    const PtyServer& highBand = AddRadio(3, {}, 4);
    RadioDetection detection;
    std::vector<std::size_t> told;
    detection.SetPortFinishedHandler([&](std::size_t ended) {
        told.push_back(ended);
        EXPECT_TRUE(detection.End(ended).has_value());
    });
    Detect(detection, std::vector<std::string>{"COM1", "COM2", "com3", "COM4"});

    ASSERT_EQ(detection.Count(), 4u);
    EXPECT_EQ(told.size(), 4u);
    const struct {
        const PtyServer& server;
        int number;
        ProbeAnswer answer;
        std::optional<int> band;
        Bytes received;
        Bytes transcript;
    } expected[] = {
        {healthy, 1, ProbeAnswer::ThisModel, 0, VirtualRadio({}, 0).Identification(),
         kProbeTranscript},
        {silent, 2, ProbeAnswer::Nothing, std::nullopt, {}, Concat(kHandshake, {0x45})},
        {other, 3, ProbeAnswer::OtherModel, std::nullopt,
         Concat(AsciiBytes("QV711"), {33, 0x01, 0x00}), kProbeTranscript},
        {highBand, 4, ProbeAnswer::ThisModel, 3, VirtualRadio({}, 3).Identification(),
         kProbeTranscript},
    };
    for (std::size_t i = 0; i < detection.Count(); ++i) {
        SCOPED_TRACE(i);
        const std::optional<DetectedPort>& end = detection.End(i);
        ASSERT_TRUE(end.has_value());
        EXPECT_EQ(detection.Port(i),
                  (PortName{expected[i].number, expected[i].server.DevicePath()}));
        EXPECT_EQ(end->probe.answer, expected[i].answer);
        EXPECT_EQ(end->probe.band, expected[i].band);
        EXPECT_EQ(Hex(end->probe.received), Hex(expected[i].received));
        const RadioRecord record = RadioAtRest(expected[i].server);
        EXPECT_EQ(Hex(record.received), Hex(expected[i].transcript));
        EXPECT_EQ(record.endsReceived, 1);
        EXPECT_TRUE(record.blocksRead.empty());
        EXPECT_TRUE(record.blocksWritten.empty());
    }
    EXPECT_EQ(detection.RadiosFound(), (std::vector<std::size_t>{0, 3}));
}

// A radio that takes the real time of a 9600-baud line for every byte is found all the same.
TEST_F(DetectionEndToEnd, ASlowRadioIsFound) {
    const PtyServer& paced = AddRadio(5, {}, 0, true);
    RadioDetection detection;
    Detect(detection, std::vector<PortName>{{0, paced.DevicePath()}});
    ASSERT_TRUE(detection.End(0).has_value());
    EXPECT_EQ(detection.End(0)->probe.answer, ProbeAnswer::ThisModel);
    EXPECT_EQ(detection.End(0)->probe.band, 5);
    EXPECT_EQ(Hex(RadioAtRest(paced).received), Hex(kProbeTranscript));
}

// A port that does not open is an answer of its own, with why, and holds up no other port.
TEST_F(DetectionEndToEnd, APortThatDoesNotOpenSaysWhy) {
    const PtyServer& found = AddRadio(0, {}, 2);
    RadioDetection detection;
    Detect(detection,
           std::vector<std::string>{"/dev/qv-no-such-device", "COM2", "/dev/null", "COM9"});
    const struct {
        ProbeAnswer answer;
        PortOpenError error;
    } expected[] = {
        {ProbeAnswer::PortNotOpen, PortOpenError::NotFound},
        {ProbeAnswer::ThisModel, PortOpenError::None},
        {ProbeAnswer::PortNotOpen, PortOpenError::NotSerial},
        {ProbeAnswer::PortNotOpen, PortOpenError::NotFound},
    };
    ASSERT_EQ(detection.Count(), 4u);
    for (std::size_t i = 0; i < detection.Count(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(detection.End(i).has_value());
        EXPECT_EQ(detection.End(i)->probe.answer, expected[i].answer);
        EXPECT_EQ(detection.End(i)->probe.portError, expected[i].error);
    }
    EXPECT_EQ(detection.Port(3), (PortName{9, ""}));
    EXPECT_EQ(found.Snapshot().sessions, 1);
}

// A port another transfer holds (a radio in programming mode) is left as it is: the detection says
// the port is busy and sends it nothing.
TEST_F(DetectionEndToEnd, APortInUseIsLeftAlone) {
    const PtyServer& busy = AddRadio(0, {}, 1);
    SerialPort transfer;
    transfer.FixDevice({1, busy.DevicePath()});
    transfer.Reopen(1);
    ASSERT_TRUE(transfer.IsOpen());
    RadioDetection detection;
    Detect(detection, std::vector<std::string>{"COM1"});
    ASSERT_TRUE(detection.End(0).has_value());
    EXPECT_EQ(detection.End(0)->probe.answer, ProbeAnswer::PortNotOpen);
    EXPECT_EQ(detection.End(0)->probe.portError, PortOpenError::Busy);
    transfer.Close();
    QThread::msleep(50);
    EXPECT_TRUE(busy.Snapshot().received.empty());
}

// The same detection runs again and again, as a station waiting for radios does; a radio plugged
// in between two runs is found by the second.
TEST_F(DetectionEndToEnd, RunsAgainAndFindsARadioThatCameLater) {
    const PtyServer& first = AddRadio(1, {}, 1);
    qputenv(ComPortVariable(2).c_str(), "/dev/qv-not-plugged-in-yet");
    RadioDetection detection;
    Detect(detection, std::vector<std::string>{"COM1", "COM2"});
    EXPECT_EQ(detection.RadiosFound(), std::vector<std::size_t>{0});

    const PtyServer& later = AddRadio(2, {}, 2);
    Detect(detection, std::vector<std::string>{"COM1", "COM2"});
    EXPECT_EQ(detection.RadiosFound(), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(detection.End(1)->probe.band, 2);
    EXPECT_EQ(Hex(RadioAtRest(first).received), Hex(Concat(kProbeTranscript, kProbeTranscript)));
    EXPECT_EQ(Hex(RadioAtRest(later).received), Hex(kProbeTranscript));
}

// Stop gives up every probe still waiting; the end byte goes out all the same.
TEST_F(DetectionEndToEnd, StopEndsEveryProbeStillWaiting) {
    const PtyServer& silent = AddRadio(0, {RadioFaultKind::Silent, 0}, 1);
    RadioDetection detection;
    QEventLoop loop;
    detection.SetFinishedHandler([&loop] { loop.quit(); });
    detection.Start(std::vector<std::string>{"COM1"});
    QTimer::singleShot(50, &detection, &RadioDetection::Stop);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_TRUE(detection.End(0).has_value());
    EXPECT_EQ(detection.End(0)->probe.answer, ProbeAnswer::Nothing);
    EXPECT_EQ(Hex(RadioAtRest(silent).received), Hex(Concat(kHandshake, {0x45})));
}

// With no port named, every COMn that stands for a device is probed, each with its device.
TEST_F(DetectionEndToEnd, EveryComPortNamedByTheEnvironmentIsToBeDetected) {
    for (int com = 1; com <= kPortCount; ++com) AddRadio(0, {}, com);
    const std::vector<PortName> ports = PortsToDetect();
    ASSERT_EQ(ports.size(), static_cast<std::size_t>(kPortCount));
    for (int com = 1; com <= kPortCount; ++com) {
        EXPECT_EQ(ports[com - 1], (PortName{com, radios[com - 1]->DevicePath()}));
    }
}

// With nothing to probe, the detection is over at once.
TEST_F(DetectionEndToEnd, NoPortsIsOverAtOnce) {
    RadioDetection detection;
    bool finished = false;
    detection.SetFinishedHandler([&finished] { finished = true; });
    detection.Start(std::vector<PortName>{});
    EXPECT_TRUE(finished);
    EXPECT_FALSE(detection.IsRunning());
    EXPECT_EQ(detection.Count(), 0u);
}

}  // namespace
}  // namespace qv::test
