#include "sim/virtual_radio.h"

#include <algorithm>
#include <stdexcept>

#include "state/bands.h"

namespace qv {
namespace {

using namespace protocol;

// The radio's refusal of a write frame.
constexpr std::uint8_t kNak = 0x15;
// The byte a garbage fault adds behind an acknowledgement.
constexpr std::uint8_t kGarbage = 0x00;
// The model string of the wrong-model fault: as long as the real one, one character off.
constexpr std::string_view kOtherModel = "QV711";
// The seventh and eighth bytes of the identification.
constexpr std::array<std::uint8_t, 2> kIdentificationTail = {0x01, 0x00};
constexpr std::size_t kFrameHeaderLength = 4;  // command, address high, address low, length

// How far the held bytes are from a frame.
struct FrameCheck {
    enum Status { Incomplete, Complete, Junk } status;
    std::size_t length = 0;  // of the complete frame
};

FrameCheck CheckHandshake(std::span<const std::uint8_t> held) {
    const std::size_t n = std::min(held.size(), kHandshake.size());
    if (!std::equal(held.begin(), held.begin() + static_cast<std::ptrdiff_t>(n),
                    kHandshake.begin())) {
        return {FrameCheck::Junk};
    }
    if (n < kHandshake.size()) return {FrameCheck::Incomplete};
    return {FrameCheck::Complete, kHandshake.size()};
}

// Outside a session only a handshake counts; inside, the first byte names the frame.
FrameCheck CheckFrame(std::span<const std::uint8_t> held, bool inSession) {
    if (!inSession || held.front() == static_cast<std::uint8_t>(kHandshake.front())) {
        return CheckHandshake(held);
    }
    switch (held.front()) {
        case kRequestIdentification:
        case kAck:
        case kEndOfProgramming:
            return {FrameCheck::Complete, 1};
        case kReadCommand:
            if (held.size() < kFrameHeaderLength) return {FrameCheck::Incomplete};
            return {FrameCheck::Complete, kFrameHeaderLength};
        case kWriteCommand: {
            if (held.size() < kFrameHeaderLength) return {FrameCheck::Incomplete};
            const std::size_t length = kFrameHeaderLength + held[3];
            if (held.size() < length) return {FrameCheck::Incomplete};
            return {FrameCheck::Complete, length};
        }
        default:
            return {FrameCheck::Junk};
    }
}

std::uint16_t FrameAddress(std::span<const std::uint8_t> frame) {
    return static_cast<std::uint16_t>(frame[1] << 8 | frame[2]);
}

}  // namespace

VirtualRadio::VirtualRadio(std::span<const std::uint8_t> image, int band, RadioFault fault)
    : band_(band), fault_(fault) {
    if (!IsBandPosition(band)) {
        throw std::invalid_argument("band position out of range");
    }
    record_.memory.fill(0xFF);
    const std::size_t fits = std::min(image.size(), record_.memory.size() - kFirstAddress);
    std::copy_n(image.begin(), fits, record_.memory.begin() + kFirstAddress);
}

std::vector<std::uint8_t> VirtualRadio::Identification() const {
    std::vector<std::uint8_t> id(kModel.begin(), kModel.end());
    id.push_back(BandAt(band_).identificationByte);
    id.insert(id.end(), kIdentificationTail.begin(), kIdentificationTail.end());
    return id;
}

std::vector<RadioReply> VirtualRadio::Receive(std::span<const std::uint8_t> bytes) {
    std::vector<RadioReply> replies;
    for (const std::uint8_t byte : bytes) TakeByte(byte, replies);
    return replies;
}

void VirtualRadio::TakeByte(std::uint8_t byte, std::vector<RadioReply>& replies) {
    if (record_.hungUp) return;
    record_.received.push_back(byte);
    pending_.push_back(byte);
    while (!pending_.empty()) {
        const FrameCheck check = CheckFrame(pending_, inSession_);
        if (check.status == FrameCheck::Incomplete) return;
        if (check.status == FrameCheck::Junk) {
            // Drop one byte and look again: a handshake may start further on.
            pending_.erase(pending_.begin());
            continue;
        }
        const std::vector<std::uint8_t> frame(
            pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(check.length));
        pending_.erase(pending_.begin(),
                       pending_.begin() + static_cast<std::ptrdiff_t>(check.length));
        HandleFrame(frame, replies);
        if (record_.hungUp) {
            pending_.clear();
            return;
        }
    }
}

bool VirtualRadio::FaultAt(RadioFaultKind kind, int block) const {
    return fault_.kind == kind && fault_.block == block;
}

void VirtualRadio::HandleFrame(std::span<const std::uint8_t> frame,
                               std::vector<RadioReply>& replies) {
    RadioReply reply;
    reply.frameLength = frame.size();

    if (frame.size() == kHandshake.size() && frame.front() == kHandshake.front()) {
        ++record_.sessions;
        inSession_ = true;
        readsInSession_ = 0;
        writesInSession_ = 0;
        readAwaitingAck_ = 0;
        reply.bytes = {kAck};
        if (FaultAt(RadioFaultKind::GarbageAfterAck, 0)) reply.bytes.push_back(kGarbage);
    } else {
        switch (frame.front()) {
            case kRequestIdentification:
                reply.bytes = IdentificationReply();
                break;
            case kAck: {
                reply.bytes = {kAck};
                const int block = readAwaitingAck_;
                readAwaitingAck_ = 0;
                if (block > 0 && FaultAt(RadioFaultKind::GarbageAfterAck, block)) {
                    reply.bytes.push_back(kGarbage);
                }
                break;
            }
            case kEndOfProgramming:
                ++record_.endsReceived;
                inSession_ = false;
                return;
            case kReadCommand: {
                const int block = ++readsInSession_;
                const std::uint16_t address = FrameAddress(frame);
                record_.blocksRead.push_back(address);
                readAwaitingAck_ = 0;
                if (FaultAt(RadioFaultKind::NoReplyToBlock, block)) return;
                reply.bytes = ReadReply(address, block);
                reply.hangUpAfter = FaultAt(RadioFaultKind::CablePulled, block);
                readAwaitingAck_ = block;
                break;
            }
            case kWriteCommand: {
                const int block = ++writesInSession_;
                const std::uint16_t address = FrameAddress(frame);
                record_.blocksWritten.push_back(address);
                if (FaultAt(RadioFaultKind::NoReplyToBlock, block)) return;
                if (FaultAt(RadioFaultKind::WrongAddressForBlock, block)) {
                    reply.bytes = {kNak};
                } else if (FaultAt(RadioFaultKind::DropsBlock, block)) {
                    reply.bytes = {kAck};  // and the memory stays as it was
                } else {
                    // Only an acknowledged block is stored.
                    const auto data = frame.subspan(kFrameHeaderLength);
                    for (std::size_t i = 0; i < data.size(); ++i) {
                        const std::size_t at = std::size_t{address} + i;
                        if (at < record_.memory.size()) record_.memory[at] = data[i];
                    }
                    reply.bytes = {kAck};
                    if (FaultAt(RadioFaultKind::GarbageAfterAck, block)) {
                        reply.bytes.push_back(kGarbage);
                    }
                }
                reply.hangUpAfter = FaultAt(RadioFaultKind::CablePulled, block);
                break;
            }
            default:
                return;
        }
    }

    if (fault_.kind == RadioFaultKind::Silent) return;
    reply.byteByByte = fault_.kind == RadioFaultKind::SplitReplies;
    if (reply.hangUpAfter) record_.hungUp = true;
    replies.push_back(std::move(reply));
}

std::vector<std::uint8_t> VirtualRadio::IdentificationReply() const {
    std::vector<std::uint8_t> id = Identification();
    switch (fault_.kind) {
        case RadioFaultKind::WrongModel:
            std::copy(kOtherModel.begin(), kOtherModel.end(), id.begin());
            break;
        case RadioFaultKind::WrongIdentificationLength:
            id.push_back(kGarbage);
            break;
        default:
            break;
    }
    return id;
}

// "W", the address, the length 0x40 and 64 bytes of memory (0xFF past its end). The
// wrong-address fault names the next block instead of the one asked for.
std::vector<std::uint8_t> VirtualRadio::ReadReply(std::uint16_t address, int block) const {
    std::uint16_t named = address;
    if (FaultAt(RadioFaultKind::WrongAddressForBlock, block)) {
        named = static_cast<std::uint16_t>(address + kReadBlockLength);
    }
    std::vector<std::uint8_t> reply = {kWriteCommand, static_cast<std::uint8_t>(named >> 8),
                                       static_cast<std::uint8_t>(named & 0xFF),
                                       static_cast<std::uint8_t>(kReadBlockLength)};
    for (std::size_t i = 0; i < kReadBlockLength; ++i) {
        const std::size_t at = std::size_t{address} + i;
        reply.push_back(at < record_.memory.size() ? record_.memory[at] : std::uint8_t{0xFF});
    }
    return reply;
}

}  // namespace qv
