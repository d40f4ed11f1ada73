#include "image/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace qv {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the number at the start of `text` (sign, digits, one point, digits); 0 when none.
std::size_t NumberPrefixLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    return digits == 0 ? 0 : i;
}

}  // namespace

double Val(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    text.remove_prefix(start);
    const std::size_t length = NumberPrefixLength(text);
    if (length == 0) return 0.0;
    std::string_view number = text.substr(0, length);
    const bool negative = number.front() == '-';
    if (number.front() == '+' || negative) number.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) value = HUGE_VAL;
    return negative ? -value : value;
}

int ValInt(std::string_view text) {
    const double value = Val(text);
    if (value >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (value <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

namespace {

// The code point of the UTF-8 sequence at the start of `text` and its length, or nothing for a
// broken sequence (a stray continuation byte, a cut-off sequence, an overlong form, a surrogate or
// a code past U+10FFFF); a broken sequence is skipped up to the next byte that may start one.
struct Decoded {
    std::uint32_t code;
    std::size_t length;
    bool valid;
};

Decoded DecodeUtf8(std::string_view text) {
    const auto lead = static_cast<std::uint8_t>(text[0]);
    if (lead < 0x80) return {lead, 1, true};
    const std::size_t length = (lead >> 5) == 0x6    ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0) return {0, 1, false};
    std::uint32_t code = lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if (k >= text.size() || (static_cast<std::uint8_t>(text[k]) & 0xC0) != 0x80) {
            return {0, k, false};
        }
        code = (code << 6) | (static_cast<std::uint8_t>(text[k]) & 0x3Fu);
    }
    // The shortest form is the only valid one: C1 81 is not "A".
    constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid =
        code >= kSmallest[length] && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
    return {code, length, valid};
}

}  // namespace

std::vector<std::uint8_t> ToLatin1(std::string_view utf8) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded c = DecodeUtf8(utf8);
        bytes.push_back(c.valid && c.code <= 0xFF ? static_cast<std::uint8_t>(c.code)
                                                  : kUnmappableByte);
        utf8.remove_prefix(c.length);
    }
    return bytes;
}

bool RadioStoresCharacter(char32_t code) {
    return code < kNoCharacterByte;
}

StorableSplit SplitStorable(std::string_view utf8) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
    StorableSplit split;
    split.kept.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded c = DecodeUtf8(utf8);
        const std::string_view character = c.valid ? utf8.substr(0, c.length) : kReplacement;
        if (c.valid && RadioStoresCharacter(c.code)) {
            split.kept += character;
        } else if (split.refused.find(character) == std::string::npos) {
            split.refused += character;
        }
        utf8.remove_prefix(c.length);
    }
    return split;
}

bool FitsField(std::string_view utf8, std::size_t fieldBytes) {
    std::size_t count = 0;
    while (!utf8.empty()) {
        const Decoded c = DecodeUtf8(utf8);
        if (!c.valid || !RadioStoresCharacter(c.code) || ++count > fieldBytes) return false;
        utf8.remove_prefix(c.length);
    }
    return true;
}

std::string ShownText(std::string_view utf8, std::size_t maxChars) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
    constexpr std::string_view kEllipsis = "\xE2\x80\xA6";     // U+2026
    std::string shown;
    shown.reserve(std::min(utf8.size(), 4 * maxChars + kEllipsis.size()));
    for (std::size_t count = 0; !utf8.empty(); ++count) {
        if (count == maxChars) return shown += kEllipsis;
        const Decoded c = DecodeUtf8(utf8);
        shown += c.valid ? utf8.substr(0, c.length) : kReplacement;
        utf8.remove_prefix(c.length);
    }
    return shown;
}

std::string Latin1Char(std::uint8_t byte) {
    if (byte < 0x80) return std::string(1, static_cast<char>(byte));
    return {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
}

std::size_t CharCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        if ((static_cast<std::uint8_t>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace qv
