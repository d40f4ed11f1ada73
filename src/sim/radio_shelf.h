// A shelf of radios taking turns on one line, as a dealer plugs one radio after another into the
// programming cable: each radio comes, stays for a while after it first answered a handshake
// (a silent one, that never answers: for a while after it came), and goes; the line is empty for
// a gap, and the next one comes. Only the radio there hears the tool's bytes; an empty line
// answers nothing. A shelf of one radio that never goes is what a plain virtual radio is. Without
// I/O, like the radio: the pseudo-terminal server gives it the bytes with the time they came in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "sim/virtual_radio.h"

namespace qv {

// Times are nanoseconds on the monotonic clock (CLOCK_MONOTONIC).
using ShelfTime = std::int64_t;

struct ShelfTiming {
    ShelfTime present = 0;  // how long a radio stays after its first answered handshake
    ShelfTime gap = 0;      // how long the line is empty between two radios
};

// What became of one radio of the shelf.
struct ShelfRadioRecord {
    RadioRecord record;
    int band = 0;
    RadioFault fault;
    std::optional<ShelfTime> came;         // plugged in
    std::optional<ShelfTime> firstAnswer;  // its first handshake answered
    std::optional<ShelfTime> gone;         // unplugged
    // When each handshake it recognised had come in whole, in order.
    std::vector<ShelfTime> handshakes;
};

class RadioShelf {
  public:
    // One radio, there for good.
    explicit RadioShelf(VirtualRadio radio);
    // `radios` one after the other, as `timing` says. At least one radio.
    RadioShelf(std::vector<VirtualRadio> radios, ShelfTiming timing);

    // The line opens at `now`: the first radio comes.
    void Open(ShelfTime now);
    // Bytes from the tool that came in at `now`, and the replies of the radio there.
    std::vector<RadioReply> Receive(std::span<const std::uint8_t> bytes, ShelfTime now);

    // The radio there at the last byte, or the one there last; the first before any came.
    const VirtualRadio& Current() const { return radios_[current_].radio; }
    // Every radio of the shelf, in order, with the times of its turn.
    std::vector<ShelfRadioRecord> Records() const;

  private:
    struct Turn {
        VirtualRadio radio;
        std::optional<ShelfTime> came;
        std::optional<ShelfTime> firstAnswer;
        std::optional<ShelfTime> gone;
        std::vector<ShelfTime> handshakes;
    };

    // Moves the radios in and out up to `now`; true when a radio is there then.
    bool Present(ShelfTime now);

    std::vector<Turn> radios_;
    std::optional<ShelfTiming> timing_;  // nothing: the one radio stays for good
    std::size_t current_ = 0;
    std::optional<ShelfTime> nextComes_;  // the line is empty until then
};

}  // namespace qv
