#include "image/image_layout.h"

namespace qv {
namespace {

using namespace std::string_view_literals;

constexpr ImageField kLayout[] = {
    {0x000, 256, "channels 1-16", DecodeChannels1To16, EncodeChannels1To16, {}},
    {0x3F0, 256, "channels 17-32", DecodeChannels17To32, EncodeChannels17To32, {}},
    {0x4F0, 256, "channels 33-48", DecodeChannels33To48, EncodeChannels33To48, {}},
    {0x100, 8, "DTMF settings", DecodeOptionValues, EncodeOptionValues, {}},
    {0x10B, 4, "keys PF1/PF2", DecodeKeys1, EncodeKeys1, {}},
    {0x110, 10, "option text 15", DecodeOptionText15, EncodeOptionText15, {}},
    {0x11F, 3, "language, time-out, pre-alert", DecodeMainSettings1, EncodeMainSettings1, {}},
    {0x122, 1, "PTT ID", DecodePttId, EncodePttId, {}},
    {0x123, 1, "reserved", nullptr, nullptr, "\x00"sv},
    {0x124, 3, "squelch, battery saver, beep", DecodeMainSettings2, EncodeMainSettings2, {}},
    {0x127, 9, "VOX, call answer, alarm, work group", DecodeVoxAndGroup, EncodeVoxAndGroup, {}},
    {0x130, 32, "option texts 16 and 17", DecodeOptionTexts16And17, EncodeOptionTexts16And17, {}},
    {0x150, 10, "scan settings, current channel", DecodeScanOptions, EncodeScanOptions, {}},
    {0x160, 6, "keys KB1/KB2/KB3", DecodeKeys2, EncodeKeys2, {}},
    {0x16A, 6, "scan list", DecodeScanList, EncodeScanList, {}},
    {0x173, 1, "high power level", DecodePowerHigh, EncodePowerHigh, {}},
    {0x178, 1, "low power level", DecodePowerLow, EncodePowerLow, {}},
    {0x1A8, 5, "model", nullptr, nullptr, "MB460"sv},
    {0x1AD, 1, "band code", DecodeBand, EncodeBand, {}},
    {0x1AE, 2, "constant", nullptr, nullptr, "\xF8\xFF"sv},
    {0x1B0, 16, "communication password", nullptr, EncodePassword, {}},
    {0x1F0, 128, "DTMF codes", DecodeDtmfCodes, EncodeDtmfCodes, {}},
    {0x270, 128, "test frequencies", DecodeTestFrequencies, EncodeTestFrequencies, {}},
    {0x2F0, 64, "embedded information", DecodeEmbeddedInfo, EncodeEmbeddedInfo, {}},
    {0x330, 7, "identifier", nullptr, nullptr, "PLNR820"sv},
    {0x33C, 1, "band code copy", nullptr, EncodeBand, {}},
    {0x340, 8, "digits", nullptr, nullptr, "60905626"sv},
    {0x348, 8, "constant", nullptr, nullptr, "\x88\x88\x88\x88\x88\x88\x88\x88"sv},
};

}  // namespace

std::span<const ImageField> ImageLayout() {
    return kLayout;
}

}  // namespace qv
