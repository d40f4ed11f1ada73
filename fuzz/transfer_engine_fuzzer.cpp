// The transfer engine under any sequence of starts, received bytes, timer ticks and lost ports,
// with message boxes answered either way and timer ticks arriving while a box is open. Whatever
// happens, nothing is written to a closed port, every transfer ends at most once, an end closes
// the port, and a probe never shows a message, touches the codec or selects a band.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "link/core/transfer_engine.h"

namespace {

class FuzzHost : public qv::LinkHost {
  public:
    std::span<const std::uint8_t> script;  // answers and nested ticks come from the input too
    qv::TransferEngine* engine = nullptr;
    bool portOpen = false;
    int starts = 0;
    int ends = 0;
    int depth = 0;
    bool probing = false;  // a probe runs

    void ExpectNoProbe() const {
        if (probing) std::abort();
    }

    std::uint8_t Next() {
        if (script.empty()) return 0;
        const std::uint8_t value = script.front();
        script = script.subspan(1);
        return value;
    }

    void OpenCom() override { portOpen = (Next() & 7) != 0; }
    bool IsPortOpen() const override { return portOpen; }
    qv::PortName TransferPort() const override { return {1, "/dev/ttyUSB0"}; }
    qv::PortOpenError PortOpenFailure() const override { return qv::PortOpenError::NotFound; }
    qv::PortDiagnosis TransferPortDiagnosis() const override { return {}; }
    void ClosePort() override { portOpen = false; }
    void WriteBytes(std::span<const std::uint8_t>) override {
        if (!portOpen) std::abort();
    }
    void SetTimer1Running(bool) override {}
    void SetTimer2Running(bool) override {}
    void SetTransferControlsEnabled(bool) override {}
    void EnableBandFrameAndFocus() override {}
    void SetStatusText(const std::string&) override {}
    void SetStatusVisible(bool) override {}
    void ShowProgress(int, int) override {}
    void SetProgressValue(int) override {}
    void HideProgress() override {}
    void CloseMessageBox() override {}
    int LocalMsgBoxWithDetails(const std::string& text, const std::string&, int style,
                               const std::string& title) override {
        return LocalMsgBox(text, style, title);
    }
    int LocalMsgBox(const std::string&, int, const std::string&) override {
        ExpectNoProbe();
        const std::uint8_t choice = Next();
        // The box's own event loop: ticks and bytes may arrive before the answer.
        if (depth < 2 && (choice & 0x80) != 0) {
            ++depth;
            for (int tick = 0; tick < (choice & 0x0F); ++tick) engine->OnTimer1Tick();
            const std::uint8_t byte = Next();
            engine->OnBytesReceived(std::span(&byte, 1));
            --depth;
        }
        return (choice & 1) != 0 ? 6 : 7;
    }
    int LanguageIsEnglish() const override { return 1; }
    bool CalibrationUnlocked() const override { return starts % 2 == 1; }
    qv::ImageBytes EncodeImage() override {
        ExpectNoProbe();
        qv::ImageBytes image;
        image.fill(0xAA);
        return image;
    }
    bool DecodeImage(std::span<const std::uint8_t> image) override {
        ExpectNoProbe();
        if (image.size() != 1536) std::abort();
        return true;
    }
    int BandListPosition() const override { return starts % 6; }
    void SelectBand(int position) override {
        ExpectNoProbe();
        if (position < 0 || position > 5) std::abort();
    }
    void TransferFinished(qv::TransferOutcome) override {
        if (++ends > starts) std::abort();
        if (portOpen) std::abort();
        probing = false;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzHost host;
    qv::TransferEngine engine(host);
    host.engine = &engine;
    host.script = std::span(data, size);
    while (!host.script.empty()) {
        const std::uint8_t op = host.Next();
        switch (op % 7) {
            case 0:
                if (!engine.IsRunning()) ++host.starts;
                // The high bit makes it a probe: the seeds keep their reads.
                if ((op & 0x80) != 0) {
                    if (!engine.IsRunning()) host.probing = true;
                    engine.StartProbe();
                } else {
                    engine.StartRead();
                }
                break;
            case 1:
                host.starts += engine.IsRunning() ? 0 : 1;
                engine.StartWrite();
                break;
            case 2:
                engine.OnTimer1Tick();
                break;
            case 3:
                engine.OnTimer2Tick();
                break;
            case 4:
                // The adapter pulled out: the port is gone before the engine hears of it.
                host.portOpen = false;
                engine.OnPortLost();
                break;
            default: {
                const std::size_t count = std::min<std::size_t>(op / 7 + 1, host.script.size());
                const auto bytes = host.script.first(count);
                host.script = host.script.subspan(count);
                engine.OnBytesReceived(bytes);
                break;
            }
        }
    }
    return 0;
}
