#include "image/decimal_text.h"

#include <algorithm>
#include <charconv>

namespace qv {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Adds one to the decimal digits of `digits`, carrying to the left; "99" becomes "100".
void Increment(std::string& digits) {
    for (auto at = digits.rbegin(); at != digits.rend(); ++at) {
        if (*at != '9') {
            ++*at;
            return;
        }
        *at = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

bool IsPlainDecimal(std::string_view text) {
    int digits = 0;
    int points = 0;
    for (const char c : text) {
        if (IsDigit(c)) {
            ++digits;
        } else if (c == '.') {
            ++points;
        } else {
            return false;
        }
    }
    return digits > 0 && points <= 1;
}

std::string RoundDecimal(std::string_view plain, int decimals) {
    if (!IsPlainDecimal(plain) || decimals < 0) return {};
    const std::size_t point = plain.find('.');
    std::string_view whole = plain.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : plain.substr(point + 1);
    const auto kept = static_cast<std::size_t>(decimals);

    // Whole and kept fraction digits as one run, rounded at the first digit left out.
    std::string digits(whole);
    digits += fraction.substr(0, kept);
    digits.append(kept - std::min(kept, fraction.size()), '0');
    if (fraction.size() > kept && fraction[kept] >= '5') Increment(digits);

    std::string result = digits.substr(0, digits.size() - kept);
    const std::size_t firstSignificant = result.find_first_not_of('0');
    result.erase(0, firstSignificant == std::string::npos ? result.size() : firstSignificant);
    if (result.empty()) result = "0";
    if (kept > 0) {
        result += '.';
        result += digits.substr(digits.size() - kept);
    }
    return result;
}

std::string FixedText(double value, int decimals) {
    char text[400];  // the largest double in fixed notation with a few decimals
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (written.ec != std::errc()) return {};
    return std::string(text, written.ptr);
}

}  // namespace qv
