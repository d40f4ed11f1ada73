#include "image/text.h"

#include <charconv>

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
    std::from_chars(number.data(), number.data() + number.size(), value);
    return negative ? -value : value;
}

std::vector<std::uint8_t> ToLatin1(std::string_view utf8) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        std::size_t length = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
        if (length == 0 || i + length > utf8.size()) {
            bytes.push_back(kUnmappableByte);
            ++i;
            continue;
        }
        std::uint32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
        bool valid = true;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) {
                valid = false;
                length = k;
                break;
            }
            code = (code << 6) | (next & 0x3Fu);
        }
        bytes.push_back(valid && code <= 0xFF ? static_cast<std::uint8_t>(code) : kUnmappableByte);
        i += length;
    }
    return bytes;
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
