// The radio's side of the programming protocol, without I/O: bytes from the tool go in, the
// radio's replies come out, and everything the radio saw is recorded for tests. The
// pseudo-terminal server puts it on a line; tests drive it with byte arrays.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "link/core/protocol.h"
#include "sim/radio_fault.h"

namespace qv {

// What the radio has seen and holds.
struct RadioRecord {
    int sessions = 0;                          // handshakes answered (or, when silent, recognised)
    int endsReceived = 0;                      // end bytes (0x45) received in a session
    std::vector<std::uint16_t> blocksRead;     // addresses of the read requests, in order
    std::vector<std::uint16_t> blocksWritten;  // addresses of the write frames, in order
    // The transcript: every byte the tool sent, in order as it came, noise and frames the radio
    // ignored included, until the line went dead.
    std::vector<std::uint8_t> received;
    std::array<std::uint8_t, protocol::kRadioMemorySize> memory{};  // from address 0
    bool hungUp = false;

    // The addresses a write may reach, kFirstAddress up to kWriteEnd: the 1520 bytes of an
    // encoded image.
    std::span<const std::uint8_t> ImagePart() const {
        return std::span(memory).subspan(protocol::kFirstAddress,
                                         protocol::kWriteEnd - protocol::kFirstAddress);
    }
};

// The radio's answer to one frame from the tool.
struct RadioReply {
    std::vector<std::uint8_t> bytes;
    std::size_t frameLength = 0;  // bytes of the frame that was answered
    bool byteByByte = false;      // deliver each byte in a write of its own
    bool hangUpAfter = false;     // the line goes dead once the bytes are out
};

class VirtualRadio {
  public:
    // The memory starts out as 0xFF with `image` (1520 or 1536 bytes) from kFirstAddress on;
    // whatever does not fit in memory is left out. `band` is the band's list position 0..5; any
    // other value throws std::invalid_argument.
    VirtualRadio(std::span<const std::uint8_t> image, int band, RadioFault fault = {});

    // Takes bytes from the tool and gives one reply for each complete frame that the radio
    // answers, in order. A frame may arrive in any number of pieces.
    std::vector<RadioReply> Receive(std::span<const std::uint8_t> bytes);

    // True while the start of a frame is held, waiting for the rest.
    bool MidFrame() const { return !pending_.empty(); }

    const RadioRecord& Record() const { return record_; }
    int Band() const { return band_; }
    const RadioFault& Fault() const { return fault_; }

    // The identification the radio sends: "QV710", the band's byte and two fixed bytes.
    std::vector<std::uint8_t> Identification() const;

  private:
    void TakeByte(std::uint8_t byte, std::vector<RadioReply>& replies);
    void HandleFrame(std::span<const std::uint8_t> frame, std::vector<RadioReply>& replies);
    std::vector<std::uint8_t> IdentificationReply() const;
    std::vector<std::uint8_t> ReadReply(std::uint16_t address, int block) const;
    bool FaultAt(RadioFaultKind kind, int block) const;

    int band_;
    RadioFault fault_;
    RadioRecord record_;
    std::vector<std::uint8_t> pending_;  // the start of a frame
    bool inSession_ = false;
    int readsInSession_ = 0;
    int writesInSession_ = 0;
    int readAwaitingAck_ = 0;  // the read block whose data went out last, until the tool's 0x06
};

}  // namespace qv
