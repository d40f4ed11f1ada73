// Taking over a decoded image: the file-open command and a finished read both end here.
#pragma once

#include <string_view>

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

// Decodes an image onto the program's set-up, in the language of its cells, and applies it.
Changes DecodeImageBytes(const ImageBytes& image, ProgramState& state, Host& host);

// The same for an image text. An image that is too short or holds a character that is not a
// hexadecimal digit is refused before anything changes.
Status DecodeImage(std::string_view image, ProgramState& state, Host& host);

}  // namespace qv
