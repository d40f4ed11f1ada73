// The codec of each group of image fields. Every decoder gets the bytes of its field, every
// encoder the bytes to fill (already 0xFF). The layout table puts them at their offsets.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "image/host.h"
#include "image/program_state.h"

namespace qv {

using FieldBytes = std::span<const std::uint8_t>;
using FieldOut = std::span<std::uint8_t>;

// One-byte fields hold 0..255 whatever the held value says, so the image keeps its length.
inline std::uint8_t ByteOf(long long value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0LL, 255LL));
}

// Channels (three blocks of 16 records) and the scan-add bitmap.
void DecodeChannels1To16(FieldBytes field, ProgramState& state, Host& host);
void DecodeChannels17To32(FieldBytes field, ProgramState& state, Host& host);
void DecodeChannels33To48(FieldBytes field, ProgramState& state, Host& host);
void EncodeChannels1To16(const ProgramState& state, FieldOut field);
void EncodeChannels17To32(const ProgramState& state, FieldOut field);
void EncodeChannels33To48(const ProgramState& state, FieldOut field);
void DecodeScanList(FieldBytes field, ProgramState& state, Host& host);
void EncodeScanList(const ProgramState& state, FieldOut field);

// Main settings (0x11F-0x121, 0x124-0x126), band code, communication password.
void DecodeMainSettings1(FieldBytes field, ProgramState& state, Host& host);
void EncodeMainSettings1(const ProgramState& state, FieldOut field);
void DecodeMainSettings2(FieldBytes field, ProgramState& state, Host& host);
void EncodeMainSettings2(const ProgramState& state, FieldOut field);
void DecodeBand(FieldBytes field, ProgramState& state, Host& host);
void EncodeBand(const ProgramState& state, FieldOut field);
void EncodePassword(const ProgramState& state, FieldOut field);

// Optional functions.
void DecodeOptionValues(FieldBytes field, ProgramState& state, Host& host);
void EncodeOptionValues(const ProgramState& state, FieldOut field);
void DecodeOptionText15(FieldBytes field, ProgramState& state, Host& host);
void EncodeOptionText15(const ProgramState& state, FieldOut field);
void DecodePttId(FieldBytes field, ProgramState& state, Host& host);
void EncodePttId(const ProgramState& state, FieldOut field);
void DecodeVoxAndGroup(FieldBytes field, ProgramState& state, Host& host);
void EncodeVoxAndGroup(const ProgramState& state, FieldOut field);
void DecodeOptionTexts16And17(FieldBytes field, ProgramState& state, Host& host);
void EncodeOptionTexts16And17(const ProgramState& state, FieldOut field);
void DecodeScanOptions(FieldBytes field, ProgramState& state, Host& host);
void EncodeScanOptions(const ProgramState& state, FieldOut field);
void DecodeDtmfCodes(FieldBytes field, ProgramState& state, Host& host);
void EncodeDtmfCodes(const ProgramState& state, FieldOut field);

// Keys, power calibration, test frequencies, embedded information.
void DecodeKeys1(FieldBytes field, ProgramState& state, Host& host);
void EncodeKeys1(const ProgramState& state, FieldOut field);
void DecodeKeys2(FieldBytes field, ProgramState& state, Host& host);
void EncodeKeys2(const ProgramState& state, FieldOut field);
void DecodePowerHigh(FieldBytes field, ProgramState& state, Host& host);
void EncodePowerHigh(const ProgramState& state, FieldOut field);
void DecodePowerLow(FieldBytes field, ProgramState& state, Host& host);
void EncodePowerLow(const ProgramState& state, FieldOut field);
void DecodeTestFrequencies(FieldBytes field, ProgramState& state, Host& host);
void EncodeTestFrequencies(const ProgramState& state, FieldOut field);
void DecodeEmbeddedInfo(FieldBytes field, ProgramState& state, Host& host);
void EncodeEmbeddedInfo(const ProgramState& state, FieldOut field);

// Texts: one byte per character, 0xFF after the end; a text longer than its field is cut.
void PutText(std::string_view utf8, FieldOut field);
// The characters of `bytes`, 0xFF bytes skipped.
std::string TextWithoutBlanks(FieldBytes bytes);

}  // namespace qv
