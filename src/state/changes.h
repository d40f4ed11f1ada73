// What a core operation changed, so that each window refreshes only what moved.
//
// How the windows bind to the state:
// - A widget shows one field of ProgramState and owns nothing of its own. A user's action calls one
//   core operation; the operation returns the parts it changed, and every window showing one of
//   them refreshes that part from the state, in one refresh function per part.
// - Widgets react to user signals only: QComboBox::activated, QLineEdit::textEdited,
//   QAbstractSlider::actionTriggered, QAction::triggered, clicks. Never to currentIndexChanged or
//   valueChanged, which also fire when the program sets a value.
// - A refresh blocks the widgets' signals (QSignalBlocker) while it sets them, so showing the state
//   never runs a rule again (a priority message or a band question twice).
#pragma once

#include <cstdint>

namespace qv {

enum class StatePart : std::uint32_t {
    Grid = 1u << 0,          // channel cells, ChannelFlags
    Band = 1u << 1,          // band list position, BandIndex, the limits
    Settings = 1u << 2,      // the function-settings frame's lists
    Form2 = 1u << 3,         // calibration window: sliders
    Form4 = 1u << 4,         // test-frequency window
    Form5 = 1u << 5,         // optional-functions dialog
    Form6 = 1u << 6,         // key-assignment dialog
    Form7 = 1u << 7,         // embedded-information dialog
    Lock = 1u << 8,          // lock mark and the frames it enables
    Language = 1u << 9,      // every caption
    Ports = 1u << 10,        // port number and the port menu's marks
    Calibration = 1u << 11,  // calibration access: sliders enabled, service button
    Caption = 1u << 12,      // the main window's title after a save
};

class Changes {
  public:
    constexpr Changes() = default;
    constexpr Changes(StatePart part) : bits_(static_cast<std::uint32_t>(part)) {}  // NOLINT

    // Every part a decoded set-up replaces.
    static constexpr Changes WholeSetup();

    constexpr bool Has(StatePart part) const {
        return (bits_ & static_cast<std::uint32_t>(part)) != 0;
    }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr Changes& operator|=(Changes other) {
        bits_ |= other.bits_;
        return *this;
    }
    friend constexpr Changes operator|(Changes a, Changes b) { return a |= b; }
    friend constexpr bool operator==(Changes, Changes) = default;

  private:
    std::uint32_t bits_ = 0;
};

constexpr Changes operator|(StatePart a, StatePart b) {
    return Changes(a) | Changes(b);
}

constexpr Changes Changes::WholeSetup() {
    return StatePart::Grid | StatePart::Band | StatePart::Settings | StatePart::Form2 |
           StatePart::Form4 | StatePart::Form5 | StatePart::Form6 | StatePart::Form7;
}

}  // namespace qv
