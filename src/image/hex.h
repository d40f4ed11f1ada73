// Hexadecimal digits: the BCD frequency fields are written and read digit by digit, and images are
// shown to people (transcripts, reports) as upper-case digit pairs.
#pragma once

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

}  // namespace qv
