// The memory image's layout as data: every field with its offset, size and codec, in the order
// the decoder works through them (the three channel blocks first, then by offset). Bytes that no
// field covers are filler, 0xFF.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "image/field_codecs.h"

namespace qv {

struct ImageField {
    std::uint16_t offset;
    std::uint16_t size;
    std::string_view name;
    // Decoder, or nullptr for a field that is written but never read.
    void (*decode)(FieldBytes field, Decoding& decoded);
    // Encoder, or nullptr for constant bytes.
    void (*encode)(const Setup& setup, FieldOut field);
    // The bytes of a constant field, written the same way every time.
    std::string_view constant;
};

std::span<const ImageField> ImageLayout();

}  // namespace qv
