// Taking over a decoded image: the file-open command and a finished read both end here.
#pragma once

#include <cstdint>
#include <span>

#include "image/image_codec.h"
#include "state/changes.h"
#include "state/host.h"
#include "state/program_state.h"
#include "state/status.h"

namespace qv {

// What taking over a decoded set-up changes: the whole set-up, and calibration access.
inline constexpr Changes kDecodedImageChanges = Changes::WholeSetup() | StatePart::Calibration;

// Makes `decoded` the program's set-up in one step: calibration access closes; the decoded values
// and the controls showing them take their places; the priority mode and channel the image names
// are chosen as the user would choose them, so their rules run with the channels of the image in
// the grid (and may show their messages); the band the image names is selected without a
// question.
Changes ApplyDecodedSetup(ProgramState& state, Host& host, DecodedSetup decoded);

// Decodes a whole image (a file's) onto the program's set-up, in the language of its cells, and
// applies it.
Changes DecodeImageBytes(const ImageBytes& image, ProgramState& state, Host& host);

// The same for bytes read from the radio: a read brings 1536 bytes, of which the first 1520 are the
// image and the rest is left out. Fewer than 1520 bytes are refused before anything changes.
Status DecodeImage(std::span<const std::uint8_t> image, ProgramState& state, Host& host);

}  // namespace qv
