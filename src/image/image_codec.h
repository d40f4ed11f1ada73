// The bridge between the set-up and the radio's memory: EncodeImage builds a complete image from
// the grid, the lists and the held values; DecodeSetup reads one into set-up values. Both are pure:
// decoding shows no message and runs no rule; the program applies a decoded set-up in one step of
// its own (see mainwindow/decode_image.h).
#pragma once

#include <optional>

#include "i18n/language.h"
#include "image/memory_image.h"
#include "state/program_state.h"

namespace qv {

// 3040 upper-case hexadecimal digits, always.
MemoryImage EncodeImage(const Setup& setup);
ImageBytes EncodeImageBytes(const Setup& setup);

// What an image decodes to.
struct DecodedSetup {
    // The set-up the image was decoded onto, with every field the image carries written, the held
    // value and the control showing it alike. A byte out of its field's range leaves what was
    // there.
    Setup setup;
    // The language the grid's list cells are written in.
    Language cellLanguage = Language::Chinese;
    // The priority mode (Form5 Combo11) and channel (Combo12) positions the image names, when they
    // were in range. Choosing them runs the optional-functions dialog's priority rules, which the
    // program applies when it takes over the decoded set-up.
    std::optional<int> priorityMode;
    std::optional<int> priorityChannel;
};

// Decodes the 1520 bytes of `image` onto `base` (a copy of the set-up the fields out of range keep).
DecodedSetup DecodeSetup(const ImageBytes& image, Setup base, Language cellLanguage);

}  // namespace qv
