// The bridge between the set-up and the radio's memory: EncodeImage builds a complete image from
// the grid, the lists and the held values; DecodeSetup reads one into set-up values. Both are pure:
// decoding shows no message and runs no rule; the program applies a decoded set-up in one step of
// its own (see rules/program/decode_image.h).
#pragma once

#include <optional>

#include "i18n/language.h"
#include "image/memory_image.h"
#include "state/program_state.h"

namespace qv {

// The 1520 bytes of the set-up's image; what a field does not cover is 0xFF.
ImageBytes EncodeImage(const Setup& setup);

// The control positions an image names whose choice runs a rule of the optional-functions
// dialog: the priority mode (Form5 Combo11) and channel (Combo12), when they were in range. The
// program chooses them, rules and all, when it takes over the decoded set-up.
struct DecodedChoices {
    std::optional<int> priorityMode;
    std::optional<int> priorityChannel;
};

// Writes every field the image carries into `setup`, the held value and the control showing it
// alike; a byte out of its field's range leaves what was there. List cells of the grid are written
// in `cellLanguage`.
DecodedChoices DecodeInto(const ImageBytes& image, Setup& setup, Language cellLanguage);

// What an image decodes to, as a value of its own.
struct DecodedSetup {
    Setup setup;
    DecodedChoices choices;
};

// Decodes the 1520 bytes of `image` onto `base` (the set-up whose values the fields out of range
// keep).
DecodedSetup DecodeSetup(const ImageBytes& image, Setup base, Language cellLanguage);

}  // namespace qv
