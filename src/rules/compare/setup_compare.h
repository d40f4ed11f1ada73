// Comparing two set-ups field by field: what a write sent with what the radio read back, the
// shown set-up with a radio, one *.DAT file with another. Differences are named and valued as the
// program's windows show them, in both languages, so that any window or the command line can tell
// them in the language it speaks.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "i18n/language.h"
#include "image/memory_image.h"
#include "state/program_state.h"

namespace qv {

struct BilingualText {
    std::string chinese;
    std::string english;

    const std::string& In(Language language) const {
        return language == Language::English ? english : chinese;
    }
    friend bool operator==(const BilingualText&, const BilingualText&) = default;
};

struct SetupDifference {
    BilingualText field;     // "信道 G2- 05，发射亚音频" / "channel G2- 05, TX QT/DQT"
    BilingualText expected;  // what was written or is shown, or the first of two files
    BilingualText actual;    // what the radio holds, or the second file

    friend bool operator==(const SetupDifference&, const SetupDifference&) = default;
};

// A set-up as a comparison takes it: its memory image and its band, a position of the band list.
// A radio's band is the one it identified itself with; a set-up's or a *.DAT file's is the band
// the set-up holds (BandOfImage).
struct ComparedImage {
    const ImageBytes& bytes;
    int band;
};

// The band a set-up's image holds: the band of its band code, or the band list's first band for a
// code no band has.
int BandOfImage(const ImageBytes& image);

// Compares `actual` with `expected`: their bands, then the bytes a write sends (with the power
// calibration block when `calibrationUnlocked`); what the radio keeps to itself never differs.
// Each difference is a field a window shows; bytes that differ where no window shows a difference
// (constant or filler bytes, values out of their field's range, a band code that is not the band
// the other side has) are named by their radio addresses with both sides' bytes. Empty when the
// bands and the compared bytes are equal, and only then. The band first, then in the order of the
// image's layout: the channels, then the settings.
std::vector<SetupDifference> CompareImages(const ComparedImage& expected,
                                           const ComparedImage& actual, bool calibrationUnlocked);

// The shown set-up against a radio's memory (the first 1520 bytes a capture read brought) and the
// band the radio identified itself with, as CompareImages compares the image the shown set-up
// would write: what a write of it would change, and whether the write would ask about the band.
std::vector<SetupDifference> CompareSetupWithRadio(const Setup& shown, const ImageBytes& radio,
                                                   int radioBand, bool calibrationUnlocked);

// How a difference is told.
enum class DifferenceWording {
    Verify,   // "...: wrote D023N, radio holds 67.0"
    Compare,  // "...: shown D023N, radio holds 67.0"
};

// One difference in one line.
std::string DescribeDifference(const SetupDifference& difference, DifferenceWording wording,
                               Language language);
// Two named sides ("a.DAT has D023N, /dev/pts/3 has 67.0").
std::string DescribeDifference(const SetupDifference& difference, const std::string& first,
                               const std::string& second, Language language);

// The first `limit` differences, one a line, and a last line saying how many more there are.
std::string DescribeDifferences(const std::vector<SetupDifference>& differences,
                                DifferenceWording wording, Language language, std::size_t limit);

}  // namespace qv
