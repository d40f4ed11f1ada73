// A set-up as text: a YAML document that holds everything a *.DAT file holds (the band, the
// function settings, the channels in use, the optional functions, the DTMF settings and codes,
// the keys, the test frequencies, the embedded lines, the calibration levels and the texts no
// window shows), for people to read and change and for version control to compare line by line.
//
// Keys are English and fixed; list values are the English item texts, and the Chinese ones are
// read too. The same set-up always gives the same text, byte for byte, and a text read and written
// again is unchanged. Reading checks every value by the rules of typing it into the windows and
// refuses a value those rules would change (a frequency off the channel raster, a code of more
// digits than the radio keeps) rather than change it unseen.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/language.h"
#include "image/image_codec.h"
#include "rules/setup_text/setup_text_problem.h"
#include "state/program_state.h"

namespace qv {

// The format this version writes and reads; a later format may read this one.
inline constexpr int kSetupTextFormat = 1;

// A full set-up takes a few kilobytes; a file far larger is not one and is not read.
inline constexpr std::size_t kLargestSetupTextBytes = 1u << 20;

struct WrittenSetupText {
    std::string text;
    // The values the windows would refuse (a frequency outside the band, a code longer than the
    // radio keeps), as reading the text refuses them, each at its line of `text`, which says why
    // in a comment.
    std::vector<SetupTextProblem> refused;
};

WrittenSetupText WriteSetupText(const Setup& setup);

struct SetupTextRead {
    // The set-up the text describes, built on a new set-up, and the priority choices that run
    // the optional-functions dialog's rules when the program takes it over; empty when refused.
    std::optional<DecodedSetup> decoded;
    // Any error refuses the whole text. In the order of the text; the first kMostErrorsKept.
    std::vector<SetupTextProblem> errors;
    std::size_t moreErrors = 0;  // errors found beyond those kept
    // The sections and keys the text lacks, which keep the values of a new set-up: "dtmf",
    // "keys.kb3_long".
    std::vector<std::string> missing;

    bool ok() const { return decoded.has_value(); }
};

inline constexpr std::size_t kMostErrorsKept = 200;

// Reads `text` (the bytes of a file). List cells of the grid are written in `cells`.
SetupTextRead ReadSetupText(std::string_view text, Language cells);

}  // namespace qv
