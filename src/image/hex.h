// Conversions between numbers, hexadecimal digit texts and bit texts, and the frequency rasters.
// Every one-byte field of the memory image is written with HexByte, every 16-bit field and radio
// address with HexWord.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// The upper-case hexadecimal digits, by value.
inline constexpr char kHexDigits[] = "0123456789ABCDEF";

// The value of a hexadecimal digit in either letter case; -1 for any other character.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Upper-case hexadecimal without leading zeros, then one "0" in front when that is a single digit:
// 5 gives "05", 255 gives "FF", 256 gives "100". A negative value gives its 32-bit two's
// complement.
std::string HexByte(std::int64_t value);

// Upper-case hexadecimal, at least four digits: 5 gives "0005", 496 gives "01F0". A negative value
// gives its 16-bit two's complement.
std::string HexWord(std::int64_t value);

// Four "0"/"1" characters per hexadecimal digit, most significant first ("A5" gives "10100101");
// a character that is not a hexadecimal digit counts as 0.
std::string HexToBits(std::string_view hex);

// Pads `bits` in place with "0" in front to a multiple of four, then gives one upper-case digit
// per group of four ("11111100" gives "FC", "101" gives "5"); a character other than "1" counts
// as 0. The caller's own variable is padded, as the bits were handed over by reference.
std::string BitsToHex(std::string& bits);
std::string BitsToHex(std::string&& bits);

// Moves a frequency text with five decimals (MHz) down to the nearest point at or below it on the
// 5 kHz or the 6.25 kHz raster, whichever is nearer; a point on either raster stays.
// "435.12600" gives 435.125, "435.11900" gives 435.11875.
double SnapFrequency(std::string_view frequencyText);

// What is left of `value` after taking away whole steps, with rounding noise in the division
// tolerated: a quotient that shows no fraction at 15 significant digits leaves 0.
double StepRemainder(double step, double value);

}  // namespace qv
