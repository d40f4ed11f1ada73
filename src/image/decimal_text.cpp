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

// Two plain decimal numbers written with the same number of digits before and after an implied
// point, so that they can be added and subtracted digit by digit.
struct AlignedDigits {
    std::string a;
    std::string b;
    std::size_t decimals = 0;
};

AlignedDigits Align(std::string_view a, std::string_view b) {
    const auto split = [](std::string_view text) {
        const std::size_t point = text.find('.');
        if (point == std::string_view::npos) return std::pair(text, std::string_view());
        return std::pair(text.substr(0, point), text.substr(point + 1));
    };
    const auto [wholeA, fractionA] = split(a);
    const auto [wholeB, fractionB] = split(b);
    const std::size_t whole = std::max(wholeA.size(), wholeB.size());
    const std::size_t decimals = std::max(fractionA.size(), fractionB.size());
    const auto padded = [&](std::string_view wholePart, std::string_view fraction) {
        std::string digits(whole - wholePart.size(), '0');
        digits += wholePart;
        digits += fraction;
        digits.append(decimals - fraction.size(), '0');
        return digits;
    };
    return {padded(wholeA, fractionA), padded(wholeB, fractionB), decimals};
}

// Digits with an implied point `decimals` from the right, written as a plain decimal number
// without leading zeros.
std::string WithPoint(std::string digits, std::size_t decimals) {
    const std::size_t whole = digits.size() - decimals;
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    const std::size_t drop = std::min(firstSignificant, whole == 0 ? 0 : whole - 1);
    if (whole == 0) digits.insert(digits.begin(), '0');
    digits.erase(0, drop);
    if (decimals > 0) digits.insert(digits.size() - decimals, 1, '.');
    return digits;
}

}  // namespace

std::string AddDecimal(std::string_view a, std::string_view b) {
    if (!IsPlainDecimal(a) || !IsPlainDecimal(b)) return {};
    AlignedDigits aligned = Align(a, b);
    std::string& sum = aligned.a;
    int carry = 0;
    for (std::size_t k = sum.size(); k-- > 0;) {
        const int digit = (sum[k] - '0') + (aligned.b[k] - '0') + carry;
        sum[k] = static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    if (carry != 0) sum.insert(sum.begin(), '1');
    return WithPoint(std::move(sum), aligned.decimals);
}

std::string SubtractDecimal(std::string_view a, std::string_view b) {
    if (!IsPlainDecimal(a) || !IsPlainDecimal(b)) return {};
    AlignedDigits aligned = Align(a, b);
    // Equal lengths: the digits compare as the numbers do.
    const bool negative = aligned.a < aligned.b;
    if (negative) std::swap(aligned.a, aligned.b);
    std::string& difference = aligned.a;
    int borrow = 0;
    for (std::size_t k = difference.size(); k-- > 0;) {
        int digit = (difference[k] - '0') - (aligned.b[k] - '0') - borrow;
        borrow = digit < 0 ? 1 : 0;
        difference[k] = static_cast<char>('0' + digit + 10 * borrow);
    }
    std::string text = WithPoint(std::move(difference), aligned.decimals);
    return negative ? "-" + text : text;
}

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
