// Small text helpers shared by the codec and the editing rules: numeric reading of typed text and
// the one-byte-per-character code page of the radio's texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The leading number of a text (blanks before it skipped, optional sign, digits, one decimal
// point); 0 when the text does not start with a number. "435.0123abc" gives 435.0123.
double Val(std::string_view text);

// Texts go to the radio one byte per character (Latin-1). A character with no single-byte code,
// or a broken UTF-8 sequence, becomes '?', so a field never grows.
inline constexpr std::uint8_t kUnmappableByte = '?';
std::vector<std::uint8_t> ToLatin1(std::string_view utf8);
// The character with code `byte`, as UTF-8.
std::string Latin1Char(std::uint8_t byte);

// Number of characters (code points) in a UTF-8 text.
std::size_t CharCount(std::string_view utf8);

// The text without blanks at either end.
std::string_view TrimBlanks(std::string_view text);

}  // namespace qv
