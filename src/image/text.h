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
// The byte that fills a text field after its last character.
inline constexpr std::uint8_t kNoCharacterByte = 0xFF;
std::vector<std::uint8_t> ToLatin1(std::string_view utf8);

// Whether the radio keeps character `code` in its texts: one byte per character, the character's
// code being the byte, and 0xFF stands for "no character", so U+00FF would be lost on reading back.
bool RadioStoresCharacter(char32_t code);

// A text split into what the radio keeps and what it does not: `kept` holds the characters the
// radio stores, in order; `refused` every other character once, in the order first met (a broken
// UTF-8 sequence as U+FFFD).
struct StorableSplit {
    std::string kept;
    std::string refused;
};
StorableSplit SplitStorable(std::string_view utf8);

// True when the radio stores every character of `utf8` and there are at most `fieldBytes` of
// them, so the text reaches the radio as typed. For the editors of the texts the image carries.
bool FitsField(std::string_view utf8, std::size_t fieldBytes);
// The character with code `byte`, as UTF-8.
std::string Latin1Char(std::uint8_t byte);

// Number of characters (code points) in a UTF-8 text.
std::size_t CharCount(std::string_view utf8);

// A text from outside (a cell of a file) made fit to show in a message: a broken UTF-8 sequence
// becomes U+FFFD, and a text of more than `maxChars` characters is cut to that many followed by
// "…".
std::string ShownText(std::string_view utf8, std::size_t maxChars);

// The text without blanks at either end.
std::string_view TrimBlanks(std::string_view text);

}  // namespace qv
