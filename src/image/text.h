// Small text helpers shared by the codec and the editing rules: numeric reading of typed text and
// the one-byte-per-character code page of the radio's texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The leading number of a text (blanks before it skipped, optional sign, digits, one decimal
// point); 0 when the text does not start with a number. "435.0123abc" gives 435.0123. A number
// too large for a double gives an infinity of its sign. The point is always "." whatever the
// process's locale says.
double Val(std::string_view text);

// The leading number of a text as a whole number: the fraction cut off toward zero, and a number
// beyond the range of int held at its nearest end.
int ValInt(std::string_view text);

// Texts go to the radio one byte per character (Latin-1). A character with no single-byte code,
// or a broken UTF-8 sequence (an overlong form included), becomes '?', so a field never grows.
inline constexpr std::uint8_t kUnmappableByte = '?';
std::vector<std::uint8_t> ToLatin1(std::string_view utf8);

// True when every character of `utf8` has a single-byte code and there are at most `fieldBytes`
// of them, so the text reaches the radio as typed. For the editors of the texts the image carries.
bool FitsField(std::string_view utf8, std::size_t fieldBytes);
// The character with code `byte`, as UTF-8.
std::string Latin1Char(std::uint8_t byte);

// Number of characters (code points) in a UTF-8 text.
std::size_t CharCount(std::string_view utf8);

// The text without blanks at either end.
std::string_view TrimBlanks(std::string_view text);

}  // namespace qv
