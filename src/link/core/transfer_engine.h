// The programming protocol as a state machine without I/O: start commands, received bytes and
// timer ticks go in; everything it does goes out through the LinkHost.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "i18n/messages.h"
#include "image/memory_image.h"
#include "link/core/link_host.h"
#include "link/core/radio_probe.h"
#include "link/core/transfer_failure.h"

namespace qv {

// The link's variables, kept between transfers.
struct LinkVariables {
    std::vector<std::uint8_t> TxBytes;  // the frame sent last
    // The receive accumulator: the bytes received and not yet taken as a reply, oldest first. It
    // holds bytes; the name is the protocol's own.
    std::vector<std::uint8_t> RxHex;
    char TransferMode = 0;                // 'R' read, 'W' write, 0 before the first transfer
    int HandshakePending = 0;             // 1 during handshake and identification
    bool TransferClosed = false;          // received bytes are only accumulated while true
    int BlockAddress = 0;                 // radio address of the next block to request or send
    ImageBytes WriteImage{};              // the image being written
    std::vector<std::uint8_t> ReadImage;  // data of the blocks read so far
    int RadioBand = 0;                    // band position reported by the radio's identification
    // RadioBand as the identification left it, before a write's band check puts the band list's
    // position there; it tells the user which band the radio has.
    int IdentifiedBand = 0;
    int ReplyTicks = 0;         // watchdog ticks since the last reply or send
    bool LingerActive = false;  // the result text blinks before the controls come back
    int LingerTicks = 0;
    int ProgressValue = 0;
    bool StatusVisible = false;
    // Why the last transfer ended with the communication error; reset when a transfer starts.
    TransferFailure Failure;
};

class TransferEngine {
  public:
    explicit TransferEngine(LinkHost& host) : host_(host) {}

    // All three do nothing while a transfer is running.
    void StartRead();
    void StartWrite();
    // A read that only keeps what it brought: nothing is decoded and the band stays as it is, so
    // the shown set-up does not change. It ends as a read does (ReadComplete), and the bytes are
    // then in CapturedImage(). Verify after write and comparisons with a radio read this way.
    void StartCapture();
    // Asks the radio who it is and nothing more: the handshake, the identification request, and on
    // an identification (this model's, or an identification's worth of bytes of another model)
    // the end of programming mode at once; the port is then closed. It never reads or writes
    // memory, decodes nothing, leaves the program state, the band, the controls and the status as
    // they are, and opens no message box: it ends with ProbeEnded and LastProbe() says what
    // answered, also when the port did not open. It waits shorter than a transfer's watchdog. A
    // probe is a transfer as far as IsRunning, Stop and OnPortLost go; it can be repeated on the
    // same engine as often as wanted (a station waiting for radios).
    void StartProbe();
    void OnBytesReceived(std::span<const std::uint8_t> bytes);
    void OnTimer1Tick();
    void OnTimer2Tick();
    // The port closed itself because its device went away (an adapter pulled out). A transfer
    // waiting for the radio ends at once, as the watchdog would end it later.
    void OnPortLost();
    // Gives the transfer up at once, as the watchdog would later: the communication error, the
    // end byte and the port closed. Only while it waits for the radio; otherwise it is about to
    // end on its own, and nothing happens.
    void Stop();

    const LinkVariables& Variables() const { return vars_; }
    // What answered the last probe; set when it ends.
    const ProbeResult& LastProbe() const { return probe_; }
    // What the last capture brought (1536 bytes after a complete one).
    const std::vector<std::uint8_t>& CapturedImage() const { return vars_.ReadImage; }
    // The memory image in what the last read or capture brought: its first 1520 bytes, as a
    // backup or a comparison takes them.
    ImageBytes CapturedImageBytes() const;
    // From a successful start until the host is told how the transfer ended.
    bool IsRunning() const { return running_; }

  private:
    void Start(char mode);
    void HandleHandshakeReply();
    void HandleWriteReply();
    void HandleReadReply();
    void HandleProbeReply();
    // Ends the probe with `answer`, keeping `received`: the end byte, the port closed.
    void EndProbe(ProbeAnswer answer);
    void SendNextWriteFrame();
    void CompleteRead();
    void CompleteWrite();
    void EndWithSuccess(MessageId status, TransferOutcome outcome);
    void DeclineWrite();
    void EndWithCommunicationError(FailureKind kind);
    // What the watchdog found the transfer waiting for.
    FailureKind StalledKind() const;
    void Finish(TransferOutcome outcome);

    void Send();
    void WriteTxBytes();
    void SetTimer1(bool running);
    void SetTimer2(bool running);
    void SetStatusVisible(bool visible);
    void AdvanceProgress(int step);
    // False once the transfer that was running at `serial` has ended, for code that gave the host
    // control (a message box, decoding) and may find the world changed when it gets it back.
    bool StillRunning(unsigned serial) const;

    LinkHost& host_;
    LinkVariables vars_;
    bool running_ = false;
    unsigned serial_ = 0;  // counts started transfers
    int blocksSent_ = 0;   // read requests or write frames of this transfer
    bool handshakeAcknowledged_ = false;
    bool interpreting_ = false;
    bool questionOpen_ = false;  // the band question of a write waits for its answer
    bool capturing_ = false;     // the read running is a capture
    bool probing_ = false;       // a probe is running
    ProbeResult probe_;
    bool timer1Running_ = false;
    bool timer2Running_ = false;
};

}  // namespace qv
