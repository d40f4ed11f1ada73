#include "image/written_bytes.h"

#include <algorithm>

namespace qv {
namespace {

// The image ranges the radio keeps, in ascending order.
struct KeptRange {
    ImageRange range;
    bool onlyWhileCalibrationLocked;
};
constexpr KeptRange kKeptRanges[] = {
    {{0x170, 0x10}, true},   // power calibration
    {{0x180, 0x28}, false},  // the radio's own settings
    {{0x1B8, 0x38}, false},  // the rest of the password field and the reserved area
};

}  // namespace

std::vector<ImageRange> WrittenRanges(bool calibrationUnlocked) {
    std::vector<ImageRange> written;
    std::size_t from = 0;
    for (const KeptRange& kept : kKeptRanges) {
        if (kept.onlyWhileCalibrationLocked && calibrationUnlocked) continue;
        if (kept.range.first > from) written.push_back({from, kept.range.first - from});
        from = kept.range.end();
    }
    if (from < kImageBytes) written.push_back({from, kImageBytes - from});
    return written;
}

ImageBytes KeepWrittenBytes(const ImageBytes& radio, const ImageBytes& written,
                            bool calibrationUnlocked) {
    ImageBytes kept = written;
    for (const ImageRange& range : WrittenRanges(calibrationUnlocked)) {
        std::copy_n(radio.begin() + static_cast<std::ptrdiff_t>(range.first), range.count,
                    kept.begin() + static_cast<std::ptrdiff_t>(range.first));
    }
    return kept;
}

}  // namespace qv
