// The radio's band variants: one row per band, in the order of the band list. Everything the tool
// knows about a band stands in its row: the list text, the code the memory image stores, the byte
// the radio names it by in its identification, and the channel frequencies it accepts.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace qv {

struct Band {
    std::string_view listText;  // the same in both languages
    std::uint8_t imageCode;     // stored at image offsets 0x1AD and 0x33C
    // The sixth byte of the radio's identification. These are the decimal numbers 33, 21, ... as
    // byte values, not the image codes.
    std::uint8_t identificationByte;
    int lowMHz;   // inclusive
    int highMHz;  // exclusive
};

inline constexpr std::array<Band, 6> kBands = {{
    {"400-470MHz", 0x33, 33, 400, 470},
    {"450-490MHz", 0x21, 21, 450, 490},
    {"400-430MHz", 0x43, 43, 400, 430},
    {"370-390MHz", 0x63, 63, 370, 390},
    {"350-370MHz", 0x53, 53, 350, 370},
    {"600-620MHz", 0x73, 73, 600, 620},
}};

inline constexpr int kBandCount = static_cast<int>(kBands.size());

constexpr bool IsBandPosition(int position) {
    return position >= 0 && position < kBandCount;
}

// The band at `position`; the first band for a position the list does not have.
constexpr const Band& BandAt(int position) {
    return kBands[IsBandPosition(position) ? static_cast<std::size_t>(position) : 0];
}

// Position of the band whose image code is `code`, or -1.
constexpr int BandOfImageCode(std::uint8_t code) {
    for (int position = 0; position < kBandCount; ++position) {
        if (kBands[static_cast<std::size_t>(position)].imageCode == code) return position;
    }
    return -1;
}

// Position of the band the radio names with `byte` in its identification, or -1.
constexpr int BandOfIdentificationByte(std::uint8_t byte) {
    for (int position = 0; position < kBandCount; ++position) {
        if (kBands[static_cast<std::size_t>(position)].identificationByte == byte) return position;
    }
    return -1;
}

}  // namespace qv
