// The codec of each group of image fields. Every decoder gets the bytes of its field and writes
// the values they hold into the decoded set-up, held value and control alike; every encoder gets
// the bytes to fill (already 0xFF). The layout table puts them at their offsets.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "image/image_codec.h"
#include "state/program_state.h"

namespace qv {

using FieldBytes = std::span<const std::uint8_t>;
using FieldOut = std::span<std::uint8_t>;

// One-byte fields hold 0..255 whatever the held value says, so the image keeps its length.
inline std::uint8_t ByteOf(long long value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0LL, 255LL));
}

// Channels (three blocks of 16 records) and the scan-add bitmap.
void DecodeChannels1To16(FieldBytes field, DecodedSetup& decoded);
void DecodeChannels17To32(FieldBytes field, DecodedSetup& decoded);
void DecodeChannels33To48(FieldBytes field, DecodedSetup& decoded);
void EncodeChannels1To16(const Setup& setup, FieldOut field);
void EncodeChannels17To32(const Setup& setup, FieldOut field);
void EncodeChannels33To48(const Setup& setup, FieldOut field);
void DecodeScanList(FieldBytes field, DecodedSetup& decoded);
void EncodeScanList(const Setup& setup, FieldOut field);

// Main settings (0x11F-0x121, 0x124-0x126), band code, communication password.
void DecodeMainSettings1(FieldBytes field, DecodedSetup& decoded);
void EncodeMainSettings1(const Setup& setup, FieldOut field);
void DecodeMainSettings2(FieldBytes field, DecodedSetup& decoded);
void EncodeMainSettings2(const Setup& setup, FieldOut field);
void DecodeBand(FieldBytes field, DecodedSetup& decoded);
void EncodeBand(const Setup& setup, FieldOut field);
void EncodePassword(const Setup& setup, FieldOut field);

// Optional functions.
void DecodeOptionValues(FieldBytes field, DecodedSetup& decoded);
void EncodeOptionValues(const Setup& setup, FieldOut field);
void DecodeOptionText15(FieldBytes field, DecodedSetup& decoded);
void EncodeOptionText15(const Setup& setup, FieldOut field);
void DecodePttId(FieldBytes field, DecodedSetup& decoded);
void EncodePttId(const Setup& setup, FieldOut field);
void DecodeVoxAndGroup(FieldBytes field, DecodedSetup& decoded);
void EncodeVoxAndGroup(const Setup& setup, FieldOut field);
void DecodeOptionTexts16And17(FieldBytes field, DecodedSetup& decoded);
void EncodeOptionTexts16And17(const Setup& setup, FieldOut field);
void DecodeScanOptions(FieldBytes field, DecodedSetup& decoded);
void EncodeScanOptions(const Setup& setup, FieldOut field);
void DecodeDtmfCodes(FieldBytes field, DecodedSetup& decoded);
void EncodeDtmfCodes(const Setup& setup, FieldOut field);

// Keys, power calibration, test frequencies, embedded information.
void DecodeKeys1(FieldBytes field, DecodedSetup& decoded);
void EncodeKeys1(const Setup& setup, FieldOut field);
void DecodeKeys2(FieldBytes field, DecodedSetup& decoded);
void EncodeKeys2(const Setup& setup, FieldOut field);
void DecodePowerHigh(FieldBytes field, DecodedSetup& decoded);
void EncodePowerHigh(const Setup& setup, FieldOut field);
void DecodePowerLow(FieldBytes field, DecodedSetup& decoded);
void EncodePowerLow(const Setup& setup, FieldOut field);
void DecodeTestFrequencies(FieldBytes field, DecodedSetup& decoded);
void EncodeTestFrequencies(const Setup& setup, FieldOut field);
void DecodeEmbeddedInfo(FieldBytes field, DecodedSetup& decoded);
void EncodeEmbeddedInfo(const Setup& setup, FieldOut field);

// Texts: one byte per character, 0xFF after the end; a text longer than its field is cut.
void PutText(std::string_view utf8, FieldOut field);
// The characters of `bytes`, 0xFF bytes skipped.
std::string TextWithoutBlanks(FieldBytes bytes);

}  // namespace qv
