// Plain decimal numbers as the user types them into the tool's boxes, read and rounded digit by
// digit: neither the process's locale nor binary fractions change what was typed.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// True when `text` is a plain decimal number: one or more digits with at most one point among
// them ("435", "435.", ".5", "435.0123"). A sign, an exponent, a blank, a second point or a point
// alone is not one.
bool IsPlainDecimal(std::string_view text);

// A plain decimal number with exactly `decimals` digits after the point, rounded half away from
// zero on its own digits, without leading zeros before the point: "435.0123" with 5 gives
// "435.01230", "88.85" with 1 gives "88.9", "0435" with 5 gives "435.00000". Anything that is not
// a plain decimal number gives an empty text.
std::string RoundDecimal(std::string_view plain, int decimals);

// The exact sum and difference of two plain decimal numbers, as a plain decimal number with as
// many decimals as the longer of the two fractions has, a difference below zero with "-" in front:
// "435.125" + "5" gives "440.125", "5" - "435.125" gives "-430.125". Anything that is not a plain
// decimal number gives an empty text.
std::string AddDecimal(std::string_view a, std::string_view b);
std::string SubtractDecimal(std::string_view a, std::string_view b);

// `value` with exactly `decimals` digits after a point, whatever the process's locale says.
std::string FixedText(double value, int decimals);

}  // namespace qv
