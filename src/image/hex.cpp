#include "image/hex.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "image/text.h"

namespace qv {
namespace {

constexpr std::string_view kNibbleBits =
    "0000000100100011010001010110011110001001101010111100110111101111";

std::string UpperHex(std::uint64_t value) {
    char buffer[24];
    const int n =
        std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(value));
    return std::string(buffer, static_cast<std::size_t>(n));
}

}  // namespace

std::string HexByte(std::int64_t value) {
    std::string text =
        UpperHex(value < 0 ? static_cast<std::uint32_t>(value) : static_cast<std::uint64_t>(value));
    if (text.size() == 1) text.insert(0, 1, '0');
    return text;
}

std::string HexWord(std::int64_t value) {
    std::string text =
        UpperHex(value < 0 ? static_cast<std::uint16_t>(value) : static_cast<std::uint64_t>(value));
    if (text.size() < 4) text.insert(0, 4 - text.size(), '0');
    return text;
}

std::string HexToBits(std::string_view hex) {
    std::string bits;
    bits.reserve(hex.size() * 4);
    // A character that is not a digit counts as 0.
    for (const char c : hex) {
        bits.append(
            kNibbleBits.substr(4 * static_cast<std::size_t>(std::max(0, HexDigitValue(c))), 4));
    }
    return bits;
}

std::string BitsToHex(std::string& bits) {
    if (bits.size() % 4 != 0) bits.insert(0, 4 - bits.size() % 4, '0');
    std::string hex;
    hex.reserve(bits.size() / 4);
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        int value = 0;
        for (std::size_t k = 0; k < 4; ++k) value = value * 2 + (bits[i + k] == '1' ? 1 : 0);
        hex.push_back(kHexDigits[value]);
    }
    return hex;
}

std::string BitsToHex(std::string&& bits) {
    return BitsToHex(bits);
}

double SnapFrequency(std::string_view frequencyText) {
    if (frequencyText.size() < 4) return Val(frequencyText);
    // The last four digits are tens of hertz within the current 100 kHz.
    const std::string_view head = frequencyText.substr(0, frequencyText.size() - 4);
    const int tens = ValInt(frequencyText.substr(frequencyText.size() - 4));
    const int r5 = tens % 500;
    const int r625 = tens % 625;
    if (r5 == 0 || r625 == 0) return Val(frequencyText);
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04d", tens - std::min(r5, r625));
    return Val(std::string(head) + digits);
}

double StepRemainder(double step, double value) {
    if (value < step) return value;
    const double quotient = value / step;
    // Past 15 digits no step count is exact any more; the remainder is all that can be given.
    if (quotient >= 1e15) return std::fmod(value, step);
    // Written the way "%.15g" writes it, but with "." whatever the process's locale says.
    char shown[64];
    const auto written =
        std::to_chars(shown, shown + sizeof shown, quotient, std::chars_format::general, 15);
    if (std::string_view(shown, static_cast<std::size_t>(written.ptr - shown))
            .find_first_of(".e") == std::string_view::npos) {
        return 0.0;
    }
    // Taking away one step after another stops at the first n that leaves less than a step; that
    // n lies next to the rounded-down quotient, so start just below it instead of at 1.
    double n = std::max(1.0, std::floor(quotient) - 2.0);
    while (value - n * step >= step) n += 1.0;
    return value - n * step;
}

}  // namespace qv
