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

// Where a field's decoder writes: the set-up, the language of the grid's list cells, and the
// choices that run rules when the program takes the set-up over.
struct Decoding {
    Setup& setup;
    Language cellLanguage;
    DecodedChoices& choices;
};

// One-byte fields hold 0..255 whatever the held value says, so the image keeps its length.
inline std::uint8_t ByteOf(long long value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0LL, 255LL));
}

// Channels (three blocks of 16 records) and the scan-add bitmap.
void DecodeChannels1To16(FieldBytes field, Decoding& decoded);
void DecodeChannels17To32(FieldBytes field, Decoding& decoded);
void DecodeChannels33To48(FieldBytes field, Decoding& decoded);
void EncodeChannels1To16(const Setup& setup, FieldOut field);
void EncodeChannels17To32(const Setup& setup, FieldOut field);
void EncodeChannels33To48(const Setup& setup, FieldOut field);
void DecodeScanList(FieldBytes field, Decoding& decoded);
void EncodeScanList(const Setup& setup, FieldOut field);

// Main settings (0x11F-0x121, 0x124-0x126), band code, communication password.
void DecodeMainSettings1(FieldBytes field, Decoding& decoded);
void EncodeMainSettings1(const Setup& setup, FieldOut field);
void DecodeMainSettings2(FieldBytes field, Decoding& decoded);
void EncodeMainSettings2(const Setup& setup, FieldOut field);
void DecodeBand(FieldBytes field, Decoding& decoded);
void EncodeBand(const Setup& setup, FieldOut field);
void EncodePassword(const Setup& setup, FieldOut field);

// Optional functions.
void DecodeOptionValues(FieldBytes field, Decoding& decoded);
void EncodeOptionValues(const Setup& setup, FieldOut field);
void DecodeOptionText15(FieldBytes field, Decoding& decoded);
void EncodeOptionText15(const Setup& setup, FieldOut field);
void DecodePttId(FieldBytes field, Decoding& decoded);
void EncodePttId(const Setup& setup, FieldOut field);
void DecodeVoxAndGroup(FieldBytes field, Decoding& decoded);
void EncodeVoxAndGroup(const Setup& setup, FieldOut field);
void DecodeOptionTexts16And17(FieldBytes field, Decoding& decoded);
void EncodeOptionTexts16And17(const Setup& setup, FieldOut field);
void DecodeScanOptions(FieldBytes field, Decoding& decoded);
void EncodeScanOptions(const Setup& setup, FieldOut field);
void DecodeDtmfCodes(FieldBytes field, Decoding& decoded);
void EncodeDtmfCodes(const Setup& setup, FieldOut field);

// Keys, power calibration, test frequencies, embedded information.
void DecodeKeys1(FieldBytes field, Decoding& decoded);
void EncodeKeys1(const Setup& setup, FieldOut field);
void DecodeKeys2(FieldBytes field, Decoding& decoded);
void EncodeKeys2(const Setup& setup, FieldOut field);
void DecodePowerHigh(FieldBytes field, Decoding& decoded);
void EncodePowerHigh(const Setup& setup, FieldOut field);
void DecodePowerLow(FieldBytes field, Decoding& decoded);
void EncodePowerLow(const Setup& setup, FieldOut field);
void DecodeTestFrequencies(FieldBytes field, Decoding& decoded);
void EncodeTestFrequencies(const Setup& setup, FieldOut field);
void DecodeEmbeddedInfo(FieldBytes field, Decoding& decoded);
void EncodeEmbeddedInfo(const Setup& setup, FieldOut field);

// Texts: one byte per character, 0xFF after the end; a text longer than its field is cut.
void PutText(std::string_view utf8, FieldOut field);
// The characters of `bytes`, 0xFF bytes skipped.
std::string TextWithoutBlanks(FieldBytes bytes);

}  // namespace qv
