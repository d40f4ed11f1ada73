// Which bytes of the image a write sends to the radio. The radio keeps the others to itself: image
// bytes 0x180..0x1A7 and 0x1B8..0x1EF always, and the power calibration block 0x170..0x17F unless
// calibration access is open. What the radio holds there is its own, never a written value.
#pragma once

#include <cstddef>
#include <vector>

#include "image/memory_image.h"

namespace qv {

struct ImageRange {
    std::size_t first;  // image offset
    std::size_t count;

    std::size_t end() const { return first + count; }
    friend bool operator==(const ImageRange&, const ImageRange&) = default;
};

// The ranges a write sends, in ascending order.
std::vector<ImageRange> WrittenRanges(bool calibrationUnlocked);

// `radio` with every byte a write does not send taken from `written`, so that only written bytes
// can differ between the two.
ImageBytes KeepWrittenBytes(const ImageBytes& radio, const ImageBytes& written,
                            bool calibrationUnlocked);

}  // namespace qv
