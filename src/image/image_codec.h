// The bridge between the set-up and the radio's memory: EncodeImage builds a complete image from
// the grid, the lists and the held values; DecodeImage spreads one over them.
#pragma once

#include <string_view>

#include "image/host.h"
#include "image/memory_image.h"
#include "image/program_state.h"

namespace qv {

// 3040 upper-case hexadecimal digits, always.
MemoryImage EncodeImage(const ProgramState& state);
ImageBytes EncodeImageBytes(const ProgramState& state);

// Decodes the first 1520 bytes of `image` into `state`. An image that is too short or holds a
// character that is not a hexadecimal digit is refused before anything changes. Decoding closes
// calibration access, selects the image's band without a question, and may show the priority
// messages of the optional functions through `host`.
Status DecodeImage(std::string_view image, ProgramState& state, Host& host);
void DecodeImageBytes(const ImageBytes& bytes, ProgramState& state, Host& host);

}  // namespace qv
