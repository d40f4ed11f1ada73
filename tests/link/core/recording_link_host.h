// A LinkHost for tests: it records every action of the engine and every written byte, answers
// message boxes from a script, and stands in for the codec with a fixed image.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "link/core/link_host.h"

namespace qv::test {

using Bytes = std::vector<std::uint8_t>;

// Buttons of a Yes/No message box, as LocalMsgBox reports them.
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// "51 56 2D": readable in a failed comparison.
inline std::string Hex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (!text.empty()) text += ' ';
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

// "51562D": the form of a transcript.
inline std::string Digits(std::span<const std::uint8_t> bytes) {
    std::string text = Hex(bytes);
    std::erase(text, ' ');
    return text;
}

// Image byte k of the fixed image. The high bits of k change the pattern every 256 bytes, so a
// frame taken from a wrong offset never matches.
inline std::uint8_t FixedImageByte(int k) {
    return static_cast<std::uint8_t>((k & 0xFF) ^ ((k >> 8) * 0x55));
}

// The 1520-byte image EncodeImage hands out.
inline ImageBytes FixedImage() {
    ImageBytes bytes{};
    for (std::size_t k = 0; k < bytes.size(); ++k) bytes[k] = FixedImageByte(static_cast<int>(k));
    return bytes;
}

class RecordingLinkHost : public LinkHost {
  public:
    struct MessageBox {
        std::string text;
        int style;
        std::string title;
        std::string details;  // shown under the text
    };

    // --- the script ---
    bool portOpensOnOpenCom = true;
    PortOpenError portOpenFailure = PortOpenError::NotFound;  // when it does not open
    PortName transferPort = {1, "/dev/ttyUSB0"};
    PortDiagnosis portDiagnosis;  // what the system shows of the port's device
    int languageIsEnglish = 1;
    bool calibrationUnlocked = false;
    int bandListPosition = 0;
    bool decodeAccepts = true;
    std::deque<int> answers;  // LocalMsgBox results in the order the boxes open; then OK (1)
    // Each runs once, inside the next message box or decoding: the nested event loop of the
    // desktop program, which delivers ticks and bytes while the engine waits.
    std::function<void()> insideMessageBox;
    std::function<void()> insideDecode;

    // --- what happened ---
    std::vector<std::string> actions;  // every call that changes something, in order
    std::vector<Bytes> writes;
    int writesToClosedPort = 0;
    std::vector<MessageBox> messageBoxes;
    std::vector<Bytes> decodedImages;
    std::vector<int> selectedBands;
    std::vector<TransferOutcome> outcomes;
    bool portOpen = false;
    bool timer1Running = false;
    bool timer2Running = false;
    bool controlsEnabled = true;
    std::string statusText;
    bool statusVisible = false;
    bool progressVisible = false;
    int progressMaximum = 0;
    int progressValue = 0;

    std::vector<std::string> WrittenHex() const {
        std::vector<std::string> frames;
        for (const Bytes& frame : writes) frames.push_back(Hex(frame));
        return frames;
    }

    void OpenCom() override {
        actions.push_back("OpenCom");
        portOpen = portOpensOnOpenCom;
    }
    bool IsPortOpen() const override { return portOpen; }
    PortName TransferPort() const override { return transferPort; }
    PortOpenError PortOpenFailure() const override {
        return portOpen ? PortOpenError::None : portOpenFailure;
    }
    PortDiagnosis TransferPortDiagnosis() const override { return portDiagnosis; }
    void ClosePort() override {
        actions.push_back("ClosePort");
        portOpen = false;
    }
    void WriteBytes(std::span<const std::uint8_t> bytes) override {
        actions.push_back("WriteBytes");
        if (!portOpen) ++writesToClosedPort;
        writes.emplace_back(bytes.begin(), bytes.end());
    }
    void SetTimer1Running(bool running) override {
        actions.push_back(running ? "Timer1 on" : "Timer1 off");
        timer1Running = running;
    }
    void SetTimer2Running(bool running) override {
        actions.push_back(running ? "Timer2 on" : "Timer2 off");
        timer2Running = running;
    }
    void SetTransferControlsEnabled(bool enabled) override {
        actions.push_back(enabled ? "controls on" : "controls off");
        controlsEnabled = enabled;
    }
    void EnableBandFrameAndFocus() override { actions.push_back("EnableBandFrameAndFocus"); }
    void SetStatusText(const std::string& text) override {
        actions.push_back("status text");
        statusText = text;
    }
    void SetStatusVisible(bool visible) override {
        actions.push_back(visible ? "status shown" : "status hidden");
        statusVisible = visible;
    }
    void ShowProgress(int maximum, int value) override {
        actions.push_back("ShowProgress");
        progressVisible = true;
        progressMaximum = maximum;
        progressValue = value;
    }
    void SetProgressValue(int value) override {
        actions.push_back("SetProgressValue");
        progressValue = value;
    }
    void HideProgress() override {
        actions.push_back("HideProgress");
        progressVisible = false;
    }
    int LocalMsgBox(const std::string& text, int style, const std::string& title) override {
        return LocalMsgBoxWithDetails(text, "", style, title);
    }
    int LocalMsgBoxWithDetails(const std::string& text, const std::string& details, int style,
                               const std::string& title) override {
        actions.push_back("LocalMsgBox");
        messageBoxes.push_back({text, style, title, details});
        int answer = 1;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        openBoxesClosed_.push_back(false);
        RunOnce(insideMessageBox);
        const bool closed = openBoxesClosed_.back();
        openBoxesClosed_.pop_back();
        // Closed under the user's hand, the box answers as its Escape key would.
        return closed ? kAnswerNo : answer;
    }
    void CloseMessageBox() override {
        actions.push_back("CloseMessageBox");
        if (!openBoxesClosed_.empty()) openBoxesClosed_.back() = true;
    }
    int LanguageIsEnglish() const override { return languageIsEnglish; }
    bool CalibrationUnlocked() const override { return calibrationUnlocked; }
    ImageBytes EncodeImage() override {
        actions.push_back("EncodeImage");
        return FixedImage();
    }
    bool DecodeImage(std::span<const std::uint8_t> image) override {
        actions.push_back("DecodeImage");
        RunOnce(insideDecode);
        if (decodeAccepts) decodedImages.emplace_back(image.begin(), image.end());
        return decodeAccepts;
    }
    int BandListPosition() const override { return bandListPosition; }
    void SelectBand(int position) override {
        actions.push_back("SelectBand");
        selectedBands.push_back(position);
    }
    void TransferFinished(TransferOutcome outcome) override {
        actions.push_back("TransferFinished");
        outcomes.push_back(outcome);
    }

  private:
    std::vector<bool> openBoxesClosed_;  // the boxes open now, innermost last: closed by the engine
    static void RunOnce(std::function<void()>& callback) {
        if (!callback) return;
        const std::function<void()> run = std::exchange(callback, nullptr);
        run();
    }
};

}  // namespace qv::test
