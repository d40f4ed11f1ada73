// Channel records, frequencies and tone words, between image bytes and grid cell texts.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "i18n/language.h"
#include "state/program_state.h"

namespace qv {

inline constexpr std::size_t kChannelRecordBytes = 16;

// Four packed-BCD bytes, little-endian, in tens of hertz, as "ddd.ddddd" (digits copied as they
// stand). The caller handles FF FF FF FF, which means no frequency.
std::string FrequencyText(std::span<const std::uint8_t, 4> bytes);
// The reverse, the digits placed by the point: up to three before it and up to five after it, so
// "50.1" goes as 050.10000 (and the full form "ddd.ddddd" as FrequencyText gives it, hexadecimal
// digits included). An empty text gives FF FF FF FF (no frequency), and so does a text the field
// cannot hold ("1000.00000", "abc"): no frequency rather than digits the text does not show.
void PutFrequency(std::string_view text, std::span<std::uint8_t, 4> bytes);
bool IsBlankFrequency(std::span<const std::uint8_t, 4> bytes);

inline constexpr std::uint16_t kNoTone = 0xFFFF;
// Text of a tone word other than 0xFFFF: "D023N", "D754I" or "67.0".
std::string ToneText(std::uint16_t word);
// Word of a tone cell: empty or the "off" item give 0xFFFF.
std::uint16_t ToneWord(std::string_view text);

// The switches of channel row `row` as the encoder sends them to the radio: a power, busy-lockout
// or bandwidth cell counts as its list's second item unless it shows the first (an empty cell
// too).
struct ChannelSwitches {
    bool highPower = false;
    bool busyLockout = false;
    bool wide = false;
};
ChannelSwitches EncodedSwitches(const Setup& setup, int row);
// Whether the encoder puts channel row `row` in the scan list: its scan cell shows the list's
// second item and the channel is in use.
bool InScanList(const Setup& setup, int row);

// Decodes the records of channel rows first..last from `records` (16 bytes each), columns 1-7
// (and 8 for an empty channel) and their ChannelFlags; list cells are written in `cells`.
void SetGrid(Setup& setup, Language cells, int first, int last,
             std::span<const std::uint8_t> records);
// Encodes channel row `row` into its 16-byte record.
void EncodeChannelRow(const Setup& setup, int row,
                      std::span<std::uint8_t, kChannelRecordBytes> record);

// The scan-add bitmap: one bit per channel in six bytes.
void DecodeScanBitmap(std::span<const std::uint8_t> bitmap, Setup& setup, Language cells);
void EncodeScanBitmap(const Setup& setup, std::span<std::uint8_t> bitmap);

}  // namespace qv
