// Everything the transfer engine does to the world goes through LinkHost: the serial port,
// the two timers, the controls a transfer disables, the status label and progress bar, message
// boxes, the codec and the band selection. The desktop program and the command line implement it
// over Qt; tests implement it with a recorder and drive the engine tick by tick.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "image/memory_image.h"
#include "link/core/port_problem.h"

namespace qv {

// How a transfer ended, for callers that wait for it (the command line, tests).
enum class TransferOutcome {
    ReadComplete,
    WriteComplete,
    WriteDeclined,       // the band question was answered No
    CommunicationError,  // the reply watchdog expired
    PortNotOpen,         // the port could not be opened; nothing was sent
    ProbeEnded,          // a probe ended, whatever answered (TransferEngine::LastProbe)
};

// What a transfer shows: the controls it disables, the status label, the progress bar, and its
// end. The desktop program shows them in its window, the command line on the terminal.
class TransferView {
  public:
    virtual ~TransferView() = default;
    // The toolbar, the Programming menu and the read and write buttons, together.
    virtual void SetTransferControlsEnabled(bool enabled) = 0;
    // Enables the band frame and gives the focus to the band list.
    virtual void EnableBandFrameAndFocus() = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void SetStatusVisible(bool visible) = 0;
    // Shows the progress bar with range 0..maximum at `value`.
    virtual void ShowProgress(int maximum, int value) = 0;
    virtual void SetProgressValue(int value) = 0;
    virtual void HideProgress() = 0;
    // Called once when a transfer has ended, after the port was closed.
    virtual void TransferFinished(TransferOutcome outcome) = 0;
};

// A view of transfers nobody watches: a radio of a fleet, whose lines are written as its steps
// start and end, or a benchmark. Override what is to be noticed.
class UnwatchedTransferView : public TransferView {
  public:
    void SetTransferControlsEnabled(bool) override {}
    void EnableBandFrameAndFocus() override {}
    void SetStatusText(const std::string&) override {}
    void SetStatusVisible(bool) override {}
    void ShowProgress(int, int) override {}
    void SetProgressValue(int) override {}
    void HideProgress() override {}
    void TransferFinished(TransferOutcome) override {}
};

class LinkHost : public TransferView {
  public:
    // --- serial port ---
    // Closes the port and opens it again with the saved port number; every error is left to
    // IsPortOpen().
    virtual void OpenCom() = 0;
    virtual bool IsPortOpen() const = 0;
    // The port OpenCom opens, as messages name it.
    virtual PortName TransferPort() const = 0;
    // Why the last OpenCom left the port closed.
    virtual PortOpenError PortOpenFailure() const = 0;
    // What the system shows now that keeps the port's device from working (permissions, another
    // program, brltty, ModemManager); asked once the port did not open.
    virtual PortDiagnosis TransferPortDiagnosis() const = 0;
    virtual void ClosePort() = 0;
    virtual void WriteBytes(std::span<const std::uint8_t> bytes) = 0;

    // --- timers: Timer1 is the 500 ms reply watchdog, Timer2 the 200 ms status blink ---
    virtual void SetTimer1Running(bool running) = 0;
    virtual void SetTimer2Running(bool running) = 0;

    // --- program state ---
    virtual int LocalMsgBox(const std::string& text, int style, const std::string& title) = 0;
    // With `details` under the text, as Host::LocalMsgBoxWithDetails.
    virtual int LocalMsgBoxWithDetails(const std::string& text, const std::string& details,
                                       int style, const std::string& title) = 0;
    // Closes the box that the innermost LocalMsgBox call still shows, as Host::CloseMessageBox.
    // The engine closes its band question with it when the transfer ends under the question:
    // ticks and bytes reach the engine inside that call, and nothing else opens a box there.
    virtual void CloseMessageBox() = 0;
    virtual int LanguageIsEnglish() const = 0;
    virtual bool CalibrationUnlocked() const = 0;
    // The memory image of the current set-up.
    virtual ImageBytes EncodeImage() = 0;
    // Decodes the bytes a read brought (1536, of which the image takes the first 1520); false when
    // they were refused and nothing changed.
    virtual bool DecodeImage(std::span<const std::uint8_t> image) = 0;
    // The selected position of the band list.
    virtual int BandListPosition() const = 0;
    // Puts the channel table into band `position` without a question: BandIndex first, then the
    // band list.
    virtual void SelectBand(int position) = 0;
};

}  // namespace qv
