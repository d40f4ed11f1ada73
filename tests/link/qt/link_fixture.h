// End-to-end rig: the program's real serial port and transfer driver, with their real timers, on
// a pseudo-terminal served by the virtual radio.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "image/image_codec.h"
#include "link/qt/serial_port.h"
#include "link/qt/transfer_driver.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "sim/pty_server.h"
#include "support/scripted_host.h"

namespace qv::test {

// What the program's window would show of a transfer.
class RecordingView : public TransferView {
  public:
    std::optional<TransferOutcome> outcome;
    std::vector<std::string> statusTexts;
    bool controlsEnabled = true;
    bool bandFrameFocused = false;
    int progress = -1;
    QEventLoop* loop = nullptr;

    void SetTransferControlsEnabled(bool enabled) override { controlsEnabled = enabled; }
    void EnableBandFrameAndFocus() override { bandFrameFocused = true; }
    void SetStatusText(const std::string& text) override { statusTexts.push_back(text); }
    void SetStatusVisible(bool) override {}
    void ShowProgress(int, int value) override { progress = value; }
    void SetProgressValue(int value) override { progress = value; }
    void HideProgress() override {}
    void TransferFinished(TransferOutcome ended) override {
        outcome = ended;
        if (loop != nullptr) loop->quit();
    }
};

class LinkEndToEnd : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "qv_e2e_tests";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) new QCoreApplication(argc, argv);
    }

    ScriptedHost host;
    ProgramState state = StartupState(host, 1);
    SerialPort port;
    RecordingView view;
    TransferDriver driver{state, host, port, view};
    std::unique_ptr<PtyServer> radio;

    void TearDown() override {
        if (radio) radio->Stop();
    }

    // Starts a virtual radio and wires COM1 to it, as a user would with QV7100_COM1.
    void StartRadio(const ImageBytes& image, int band, RadioFault fault = {}) {
        radio = std::make_unique<PtyServer>(VirtualRadio(image, band, fault), false);
        std::string error;
        ASSERT_TRUE(radio->Start(&error)) << error;
        qputenv("QV7100_COM1", QByteArray::fromStdString(radio->DevicePath()));
        state.CommPortNumber = 1;
    }

    // Runs a read or a write to its end; a transfer that never ends fails the test.
    std::optional<TransferOutcome> Run(bool write) {
        QEventLoop loop;
        view.loop = &loop;
        if (write) {
            driver.StartWrite();
        } else {
            driver.StartRead();
        }
        if (!view.outcome) {
            QTimer::singleShot(30000, &loop, &QEventLoop::quit);
            loop.exec();
        }
        view.loop = nullptr;
        // Let the status blink finish, so that the controls come back as they do for the user.
        if (view.outcome && !view.controlsEnabled) {
            QEventLoop linger;
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (view.controlsEnabled) linger.quit();
            });
            poll.start(20);
            QTimer::singleShot(5000, &linger, &QEventLoop::quit);
            linger.exec();
        }
        return view.outcome;
    }

    // The radio's record once it has taken in the end of programming (or has hung up): the last
    // byte of a transfer may still be on its way when the program reports the end.
    RadioRecord RadioAtRest() {
        RadioRecord record = radio->Snapshot();
        for (int wait = 0; wait < 200 && record.endsReceived == 0 && !record.hungUp; ++wait) {
            QThread::msleep(10);
            record = radio->Snapshot();
        }
        return record;
    }

    // A set-up with channels in all three blocks, in band `band`.
    static ImageBytes SampleImage(int band) {
        ScriptedHost quiet;
        ProgramState sample = StartupState(quiet, 1);
        for (int row : {1, 2, 16, 17, 33, 48}) {
            sample.Grid1[row] = {sample.Grid1[row][0],
                                 "455.12500",
                                 "67.0",
                                 "455.12500",
                                 "D023N",
                                 "Hight",
                                 "Off",
                                 "Wide",
                                 row % 2 ? "Have" : "No"};
        }
        sample.Combo1 = sample.BandIndex = band;
        sample.DtmfCodes[0] = "*0#";
        sample.EmbeddedInfo[0] = "END TO END";
        sample.PowerHighLevel = 111;
        return EncodeImage(sample);
    }
};

}  // namespace qv::test
