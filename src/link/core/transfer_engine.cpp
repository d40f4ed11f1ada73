#include "link/core/transfer_engine.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

#include "i18n/messages.h"
#include "i18n/msgbox.h"
#include "link/core/protocol.h"
#include "state/bands.h"

namespace qv {
namespace {

namespace p = protocol;

constexpr int kWatchdogLimit = 6;  // Timer1 ticks without a reply
// A probe gives up after two Timer1 ticks without a reply. The timer runs freely, so that is
// between one and two of its periods (0.5 to 1 s) after the last frame sent or reply taken, and
// exactly two (1 s) on a port where nothing answers at all. A radio answers each frame within tens
// of milliseconds (its identification takes 8 ms of a 9600-baud line), so even a slow one has ten
// times what it needs, while silent ports are given up after a second instead of the watchdog's
// 2.5 to 3 s.
constexpr int kProbeWaitTicks = 2;
constexpr int kLingerTicks = 10;  // Timer2 ticks the result blinks before the controls return
// The bar counts bytes: 1536 for a read, and a write stops below that.
constexpr int kProgressMaximum = static_cast<int>(p::kReadImageLength);
constexpr int kReadBlockLength = static_cast<int>(p::kReadBlockLength);
constexpr int kWriteBlockLength = static_cast<int>(p::kWriteBlockLength);
// "W", address and length in front of a read block's data.
constexpr auto kReadReplyHeaderLength =
    static_cast<std::ptrdiff_t>(p::kReadReplyLength - p::kReadBlockLength);
constexpr std::uint8_t kImageFiller = 0xFF;

// Addresses the radio keeps for itself: a write that reaches `from` goes on at `resume`.
struct SkippedRange {
    int from;
    int resume;
    bool onlyWhileCalibrationLocked;
};
constexpr std::array<SkippedRange, 3> kSkippedRanges = {{
    {p::kCalibrationBlock, p::kModelBlock, true},
    {p::kAfterCalibrationBlock, p::kModelBlock, false},
    {p::kAfterModelBlock, p::kAfterReservedArea, false},
}};

// Byte `index` of the image being written; past its end the image filler, so a write range longer
// than the image never reads past it.
std::uint8_t ImageByteAt(const ImageBytes& image, std::size_t index) {
    return index < image.size() ? image[index] : kImageFiller;
}

// The radio's acknowledgement: one 0x06 alone, not one among other bytes.
bool IsAcknowledgement(std::span<const std::uint8_t> rx) {
    return rx.size() == 1 && rx[0] == p::kAck;
}

std::uint8_t HighByte(int address) {
    return static_cast<std::uint8_t>((address >> 8) & 0xFF);
}
std::uint8_t LowByte(int address) {
    return static_cast<std::uint8_t>(address & 0xFF);
}

// An identification is eight bytes with "QV710" somewhere in them.
bool IsIdentification(std::span<const std::uint8_t> rx) {
    if (rx.size() != p::kIdentificationLength) return false;
    const auto model = std::search(
        rx.begin(), rx.end(), p::kModel.begin(), p::kModel.end(),
        [](std::uint8_t byte, char letter) { return byte == static_cast<std::uint8_t>(letter); });
    return model != rx.end();
}

// The block the radio answers to the request for `address`: "W", the address, a length byte the
// tool does not look at, and 64 data bytes.
bool IsReadBlockFor(std::span<const std::uint8_t> rx, int address) {
    return rx.size() == p::kReadReplyLength && rx[0] == p::kWriteCommand &&
           rx[1] == HighByte(address) && rx[2] == LowByte(address);
}

int NextWriteAddress(int address, bool calibrationUnlocked) {
    for (const SkippedRange& range : kSkippedRanges) {
        if (address != range.from) continue;
        if (range.onlyWhileCalibrationLocked && calibrationUnlocked) continue;
        return range.resume;
    }
    return address;
}

// Sets the flag for as long as a call runs (the receive handler, the band question), also when a
// host call throws.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
};

std::string MessageFor(const LinkHost& host, MessageId id) {
    return std::string(MessageText(id, MessageLanguage(host.LanguageIsEnglish())));
}

}  // namespace

void TransferEngine::StartRead() {
    if (running_) return;
    capturing_ = false;
    Start('R');
}
void TransferEngine::StartWrite() {
    if (running_) return;
    capturing_ = false;
    Start('W');
}
void TransferEngine::StartCapture() {
    if (running_) return;
    capturing_ = true;
    Start('R');
}

void TransferEngine::StartProbe() {
    if (running_) return;
    probe_ = {};
    host_.OpenCom();
    if (!host_.IsPortOpen()) {
        probe_.answer = ProbeAnswer::PortNotOpen;
        probe_.portError = host_.PortOpenFailure();
        probe_.diagnosis = host_.TransferPortDiagnosis();
        host_.TransferFinished(TransferOutcome::ProbeEnded);
        return;
    }
    running_ = true;
    probing_ = true;
    ++serial_;
    vars_.TransferClosed = false;
    vars_.TxBytes.assign(p::kHandshake.begin(), p::kHandshake.end());
    Send();
    SetTimer1(true);
}

void TransferEngine::Start(char mode) {
    if (running_) return;
    host_.OpenCom();
    if (!host_.IsPortOpen()) {
        host_.LocalMsgBoxWithDetails(MessageFor(host_, MessageId::PortNotOpen),
                                     PortOpenMessage(host_.PortOpenFailure(), host_.TransferPort(),
                                                     MessageLanguage(host_.LanguageIsEnglish()),
                                                     host_.TransferPortDiagnosis()),
                                     kStyleOkInformation, "");
        host_.TransferFinished(TransferOutcome::PortNotOpen);
        return;
    }
    running_ = true;
    ++serial_;
    // The blink of the previous result must not hand the controls back in the middle of this one.
    vars_.LingerActive = false;
    vars_.LingerTicks = 0;
    vars_.Failure = {};
    blocksSent_ = 0;
    handshakeAcknowledged_ = false;

    host_.SetTransferControlsEnabled(false);
    vars_.RxHex.clear();
    vars_.TransferMode = mode;
    vars_.HandshakePending = 1;
    vars_.TransferClosed = false;
    host_.EnableBandFrameAndFocus();
    vars_.TxBytes.assign(p::kHandshake.begin(), p::kHandshake.end());
    Send();
    host_.SetStatusText(MessageFor(host_, MessageId::Communicating));
    SetTimer1(true);
    SetTimer2(true);
}

void TransferEngine::OnBytesReceived(std::span<const std::uint8_t> bytes) {
    vars_.RxHex.insert(vars_.RxHex.end(), bytes.begin(), bytes.end());
    if (vars_.TransferClosed) return;
    // Bytes delivered by an event loop running inside one of our own host calls (the band
    // question, decoding) wait until that call has returned.
    if (interpreting_) return;
    const FlagScope scope(interpreting_);
    if (probing_) {
        HandleProbeReply();
    } else if (vars_.HandshakePending == 1) {
        HandleHandshakeReply();
    } else if (vars_.TransferMode == 'W') {
        HandleWriteReply();
    } else if (vars_.TransferMode == 'R') {
        HandleReadReply();
    }
}

void TransferEngine::HandleHandshakeReply() {
    if (IsAcknowledgement(vars_.RxHex)) {
        handshakeAcknowledged_ = true;
        vars_.ReplyTicks = 0;
        vars_.RxHex.clear();
        vars_.TxBytes = {p::kRequestIdentification};
        WriteTxBytes();
        return;
    }
    if (!IsIdentification(vars_.RxHex)) return;

    const int band = BandOfIdentificationByte(vars_.RxHex[p::kIdentificationBandByte]);
    if (band >= 0) vars_.RadioBand = band;
    vars_.IdentifiedBand = vars_.RadioBand;
    vars_.RxHex.clear();
    vars_.HandshakePending = 0;
    vars_.BlockAddress = p::kFirstAddress;
    if (vars_.TransferMode == 'W') vars_.WriteImage = host_.EncodeImage();
    vars_.ReadImage.clear();
    vars_.ReadImage.reserve(p::kReadImageLength);
    vars_.ReplyTicks = 0;
    vars_.TxBytes = {p::kAck};
    Send();
    vars_.ProgressValue = 0;
    host_.ShowProgress(kProgressMaximum, 0);
}

void TransferEngine::HandleProbeReply() {
    if (IsAcknowledgement(vars_.RxHex)) {
        probe_.acknowledged = true;
        vars_.ReplyTicks = 0;
        vars_.RxHex.clear();
        vars_.TxBytes = {p::kRequestIdentification};
        WriteTxBytes();
        return;
    }
    if (IsIdentification(vars_.RxHex)) {
        const int band = BandOfIdentificationByte(vars_.RxHex[p::kIdentificationBandByte]);
        if (band >= 0) probe_.band = band;
        EndProbe(ProbeAnswer::ThisModel);
        return;
    }
    // Bytes of another model's identification may still be on their way; what came is enough to
    // tell it from this model's, and the radio is told to end at once.
    if (vars_.RxHex.size() >= p::kIdentificationLength) EndProbe(ProbeAnswer::OtherModel);
}

void TransferEngine::EndProbe(ProbeAnswer answer) {
    probe_.answer = answer;
    probe_.received = vars_.RxHex;
    probing_ = false;
    vars_.TransferClosed = true;
    SetTimer1(false);
    // Also when nothing answered: a radio may have heard the handshake and gone into programming
    // mode while its answer was lost on the way back; without the end byte it would stay there,
    // deaf to its keys, until switched off. Whatever else sits on the line gets one byte it has no
    // use for, as at the end of every failed transfer.
    vars_.TxBytes = {p::kEndOfProgramming};
    Send();
    host_.ClosePort();
    Finish(TransferOutcome::ProbeEnded);
}

void TransferEngine::HandleWriteReply() {
    if (!IsAcknowledgement(vars_.RxHex)) return;
    AdvanceProgress(kWriteBlockLength);
    vars_.ReplyTicks = 0;
    vars_.RxHex.clear();

    const int bandPosition = host_.BandListPosition();
    if (bandPosition != vars_.RadioBand) {
        // Taking the list's band first asks the question once per write, not once per block.
        vars_.RadioBand = bandPosition;
        const unsigned serial = serial_;
        int answer = kIdNo;
        {
            const FlagScope asking(questionOpen_);
            answer = host_.LocalMsgBox(MessageFor(host_, MessageId::BandMismatch),
                                       kStyleYesNoInformation, "");
        }
        // The watchdog keeps running while the question is open; a write it has ended closed the
        // question, and nothing is left to answer.
        if (!StillRunning(serial)) return;
        if (answer == kIdNo) {
            DeclineWrite();
            return;
        }
    }
    if (vars_.BlockAddress == p::kWriteEnd) {
        CompleteWrite();
        return;
    }
    SendNextWriteFrame();
}

void TransferEngine::SendNextWriteFrame() {
    const int address = NextWriteAddress(vars_.BlockAddress, host_.CalibrationUnlocked());
    vars_.BlockAddress = address;
    vars_.TxBytes = {p::kWriteCommand, HighByte(address), LowByte(address),
                     static_cast<std::uint8_t>(p::kWriteBlockLength)};
    const std::size_t firstImageByte = static_cast<std::size_t>(address - p::kFirstAddress);
    for (std::size_t i = 0; i < p::kWriteBlockLength; ++i) {
        vars_.TxBytes.push_back(ImageByteAt(vars_.WriteImage, firstImageByte + i));
    }
    Send();
    ++blocksSent_;
    vars_.BlockAddress += kWriteBlockLength;
}

void TransferEngine::HandleReadReply() {
    if (IsAcknowledgement(vars_.RxHex)) {
        AdvanceProgress(kReadBlockLength);
        vars_.ReplyTicks = 0;
        vars_.RxHex.clear();
        if (vars_.BlockAddress < p::kReadEnd) {
            const int address = vars_.BlockAddress;
            vars_.TxBytes = {p::kReadCommand, HighByte(address), LowByte(address),
                             static_cast<std::uint8_t>(p::kReadBlockLength)};
            Send();
            ++blocksSent_;
            vars_.BlockAddress += kReadBlockLength;
        } else {
            CompleteRead();
        }
        return;
    }
    if (!IsReadBlockFor(vars_.RxHex, vars_.BlockAddress - kReadBlockLength)) return;
    vars_.ReplyTicks = 0;
    vars_.ReadImage.insert(vars_.ReadImage.end(), vars_.RxHex.begin() + kReadReplyHeaderLength,
                           vars_.RxHex.end());
    vars_.RxHex.clear();
    vars_.TxBytes = {p::kAck};
    Send();
}

void TransferEngine::CompleteRead() {
    // A lone acknowledgement where a block was due moves the read on without that block; such an
    // image would be decoded shifted, so it is treated as a broken transfer.
    if (vars_.ReadImage.size() != p::kReadImageLength) {
        EndWithCommunicationError(FailureKind::IncompleteImage);
        return;
    }
    // Every byte is in: nothing is left for the watchdog to wait for. Decoding may show a message
    // (the priority rules), and the user may take longer than the watchdog to close it.
    SetTimer1(false);
    if (capturing_) {
        EndWithSuccess(MessageId::ReadSuccess, TransferOutcome::ReadComplete);
        return;
    }
    const unsigned serial = serial_;
    const bool decoded = host_.DecodeImage(vars_.ReadImage);
    if (!StillRunning(serial)) return;
    if (!decoded) {
        EndWithCommunicationError(FailureKind::ImageRefused);
        return;
    }
    // The band the radio reported wins over the band code inside the image.
    host_.SelectBand(vars_.RadioBand);
    EndWithSuccess(MessageId::ReadSuccess, TransferOutcome::ReadComplete);
}

void TransferEngine::CompleteWrite() {
    EndWithSuccess(MessageId::WriteSuccess, TransferOutcome::WriteComplete);
}

void TransferEngine::EndWithSuccess(MessageId status, TransferOutcome outcome) {
    host_.SetStatusText(MessageFor(host_, status));
    vars_.LingerActive = true;
    host_.HideProgress();
    vars_.TransferClosed = true;
    SetTimer1(false);
    vars_.TxBytes = {p::kEndOfProgramming};
    Send();
    host_.ClosePort();
    Finish(outcome);
}

void TransferEngine::DeclineWrite() {
    host_.HideProgress();
    host_.SetStatusText(MessageFor(host_, MessageId::BandMismatch));
    vars_.LingerActive = true;
    vars_.TransferClosed = true;
    SetTimer1(false);
    vars_.TxBytes = {p::kEndOfProgramming};
    WriteTxBytes();
    host_.ClosePort();
    Finish(TransferOutcome::WriteDeclined);
}

void TransferEngine::EndWithCommunicationError(FailureKind kind) {
    vars_.Failure = {kind, blocksSent_};
    vars_.ReplyTicks = 0;
    vars_.RxHex.clear();
    // Closed before the message box opens: bytes that arrive late, even while it is shown, must
    // not carry the transfer on (a timed-out read is never decoded afterwards).
    vars_.TransferClosed = true;
    SetTimer1(false);
    SetStatusVisible(false);
    SetTimer2(false);
    // A question left open would outlive its transfer, and its answer would change nothing.
    if (questionOpen_) {
        questionOpen_ = false;
        host_.CloseMessageBox();
    }
    host_.LocalMsgBoxWithDetails(
        MessageFor(host_, FailureMessage(kind)),
        FailureDetails(vars_.Failure, vars_.TransferMode == 'W', PortLabel(host_.TransferPort()),
                       MessageLanguage(host_.LanguageIsEnglish())),
        kStyleOkStop, "");
    host_.SetTransferControlsEnabled(true);
    host_.HideProgress();
    vars_.TxBytes = {p::kEndOfProgramming};
    Send();
    host_.ClosePort();
    Finish(TransferOutcome::CommunicationError);
}

ImageBytes TransferEngine::CapturedImageBytes() const {
    ImageBytes image{};
    std::copy_n(vars_.ReadImage.begin(), std::min(vars_.ReadImage.size(), image.size()),
                image.begin());
    return image;
}

void TransferEngine::Finish(TransferOutcome outcome) {
    running_ = false;
    host_.TransferFinished(outcome);
}

void TransferEngine::OnTimer1Tick() {
    if (!timer1Running_) return;  // a tick that was already queued when the timer stopped
    ++vars_.ReplyTicks;
    if (probing_) {
        if (vars_.ReplyTicks >= kProbeWaitTicks) EndProbe(ProbeAnswer::Nothing);
        return;
    }
    if (vars_.ReplyTicks < kWatchdogLimit) return;
    EndWithCommunicationError(questionOpen_ ? FailureKind::AnswerTooLate : StalledKind());
}

FailureKind TransferEngine::StalledKind() const {
    if (vars_.HandshakePending != 1) return FailureKind::NoReplyToBlock;
    // A reply as long as an identification, or longer, that was not taken for one.
    if (vars_.RxHex.size() >= p::kIdentificationLength) return FailureKind::OtherModel;
    if (handshakeAcknowledged_ || !vars_.RxHex.empty()) return FailureKind::NoIdentification;
    return FailureKind::NoAnswer;
}

void TransferEngine::OnPortLost() {
    // Only while the transfer waits for the radio, as for the watchdog: once every byte is in,
    // nothing is lost but the end byte. A port open again belongs to a later transfer.
    if (!timer1Running_ || host_.IsPortOpen()) return;
    if (probing_) return EndProbe(ProbeAnswer::PortLost);
    EndWithCommunicationError(FailureKind::CableGone);
}

void TransferEngine::Stop() {
    if (!running_ || !timer1Running_) return;
    // A probe given up tells what came so far, as when its wait runs out.
    if (probing_) return EndProbe(ProbeAnswer::Nothing);
    EndWithCommunicationError(questionOpen_ ? FailureKind::AnswerTooLate : StalledKind());
}

void TransferEngine::OnTimer2Tick() {
    if (!timer2Running_) return;
    SetStatusVisible(!vars_.StatusVisible);
    if (!vars_.LingerActive) return;
    ++vars_.LingerTicks;
    if (vars_.LingerTicks < kLingerTicks) return;
    vars_.LingerTicks = 0;
    vars_.LingerActive = false;
    SetStatusVisible(false);
    SetTimer2(false);
    host_.SetTransferControlsEnabled(true);
}

void TransferEngine::Send() {
    vars_.ReplyTicks = 0;
    vars_.RxHex.clear();
    WriteTxBytes();
}

void TransferEngine::WriteTxBytes() {
    // The port may have gone away under a running transfer (a pulled adapter); the state moves on
    // as if the bytes had left.
    if (!host_.IsPortOpen()) return;
    host_.WriteBytes(vars_.TxBytes);
}

void TransferEngine::SetTimer1(bool running) {
    timer1Running_ = running;
    host_.SetTimer1Running(running);
}

void TransferEngine::SetTimer2(bool running) {
    timer2Running_ = running;
    host_.SetTimer2Running(running);
}

void TransferEngine::SetStatusVisible(bool visible) {
    vars_.StatusVisible = visible;
    host_.SetStatusVisible(visible);
}

void TransferEngine::AdvanceProgress(int step) {
    if (vars_.ProgressValue >= kProgressMaximum) return;
    vars_.ProgressValue += step;
    host_.SetProgressValue(vars_.ProgressValue);
}

bool TransferEngine::StillRunning(unsigned serial) const {
    return running_ && serial == serial_ && !vars_.TransferClosed;
}

}  // namespace qv
