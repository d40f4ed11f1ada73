// Connects the transfer engine to the real world: the serial port's received bytes, two QTimers
// (the 500 ms watchdog and the 200 ms status blink), the program state and a view. The desktop
// program and the command line use it alike.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

#include "link/core/link_host.h"
#include "link/core/transfer_engine.h"
#include "link/qt/serial_port.h"
#include "state/changes.h"
#include "state/host.h"
#include "state/program_state.h"

namespace qv {

class TransferDriver : public QObject, public LinkHost {
    Q_OBJECT

  public:
    static constexpr int kWatchdogMs = 500;
    static constexpr int kBlinkMs = 200;

    TransferDriver(ProgramState& state, Host& host, SerialPort& port, TransferView& view,
                   QObject* parent = nullptr);

    // Told what a transfer changed in the program state (a decoded read, the band, the band
    // frame), so the windows showing it refresh.
    void SetStateChangedHandler(std::function<void(Changes)> handler) {
        stateChanged_ = std::move(handler);
    }

    void StartRead() { engine_.StartRead(); }
    // Writes the image of the program's set-up.
    void StartWrite() {
        if (engine_.IsRunning()) return;
        imageToWrite_.reset();
        engine_.StartWrite();
    }
    // Writes `image` as it is, not the set-up's image: a backup goes back byte for byte, also
    // where the set-up has no field for its bytes.
    void StartWriteOf(const ImageBytes& image) {
        if (engine_.IsRunning()) return;
        imageToWrite_ = image;
        engine_.StartWrite();
    }
    // Reads the radio without changing the program's set-up (TransferEngine::StartCapture).
    void StartCapture() { engine_.StartCapture(); }
    // Asks the radio who it is and nothing more (TransferEngine::StartProbe).
    void StartProbe() { engine_.StartProbe(); }
    // Gives up the transfer running (TransferEngine::Stop).
    void Stop() { engine_.Stop(); }
    const TransferEngine& Engine() const { return engine_; }

    // LinkHost: port and timers.
    void OpenCom() override;
    bool IsPortOpen() const override { return port_.IsOpen(); }
    PortName TransferPort() const override { return port_.Name(); }
    PortOpenError PortOpenFailure() const override { return port_.LastOpenError(); }
    PortDiagnosis TransferPortDiagnosis() const override { return port_.Diagnose(); }
    void ClosePort() override { port_.Close(); }
    void WriteBytes(std::span<const std::uint8_t> bytes) override { port_.Write(bytes); }
    void SetTimer1Running(bool running) override;
    void SetTimer2Running(bool running) override;

    // LinkHost: program state.
    int LocalMsgBox(const std::string& text, int style, const std::string& title) override {
        return host_.LocalMsgBox(text, style, title);
    }
    int LocalMsgBoxWithDetails(const std::string& text, const std::string& details, int style,
                               const std::string& title) override {
        return host_.LocalMsgBoxWithDetails(text, details, style, title);
    }
    void CloseMessageBox() override { host_.CloseMessageBox(); }
    int LanguageIsEnglish() const override { return state_.LanguageIsEnglish; }
    bool CalibrationUnlocked() const override { return state_.CalibrationUnlocked; }
    ImageBytes EncodeImage() override;
    bool DecodeImage(std::span<const std::uint8_t> image) override;
    int BandListPosition() const override { return state_.Combo1; }
    void SelectBand(int position) override;

    // TransferView: shown by the view.
    void SetTransferControlsEnabled(bool enabled) override;
    void EnableBandFrameAndFocus() override;
    void SetStatusText(const std::string& text) override { view_.SetStatusText(text); }
    void SetStatusVisible(bool visible) override { view_.SetStatusVisible(visible); }
    void ShowProgress(int maximum, int value) override { view_.ShowProgress(maximum, value); }
    void SetProgressValue(int value) override { view_.SetProgressValue(value); }
    void HideProgress() override { view_.HideProgress(); }
    void TransferFinished(TransferOutcome outcome) override { view_.TransferFinished(outcome); }

  private:
    void StateChanged(Changes changes);

    ProgramState& state_;
    Host& host_;
    SerialPort& port_;
    TransferView& view_;
    QTimer timer1_;
    QTimer timer2_;
    std::function<void(Changes)> stateChanged_;
    std::optional<ImageBytes> imageToWrite_;
    TransferEngine engine_{*this};
};

}  // namespace qv
