#include "rules/setup_text/yaml_scalar.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

namespace qv::setup_text {
namespace {

// Words YAML 1.1 readers take for a truth value or for nothing, in any case.
constexpr std::array<std::string_view, 10> kReservedWords = {"y",   "n",    "yes",   "no",   "on",
                                                             "off", "true", "false", "null", "~"};

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsReservedWord(std::string_view value) {
    return std::any_of(kReservedWords.begin(), kReservedWords.end(), [&](std::string_view word) {
        return std::equal(value.begin(), value.end(), word.begin(), word.end(),
                          [](char a, char b) { return Lower(a) == b; });
    });
}

// Digits only, starting with a zero: readers take "01" for a number.
bool IsZeroLedNumber(std::string_view value) {
    return value.size() > 1 && value.front() == '0' &&
           std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsPlainAscii(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' ||
           c == '.' || c == '+' || c == '-' || c == '_' || c == '/' || c == '(' || c == ')';
}

// One character of UTF-8: its code point and length, or a code of 0xFFFFFFFF for a broken one
// (length 1).
struct Character {
    std::uint32_t code;
    std::size_t length;
};
constexpr std::uint32_t kBroken = 0xFFFFFFFF;

Character NextCharacter(std::string_view text) {
    const auto lead = static_cast<std::uint8_t>(text[0]);
    if (lead < 0x80) return {lead, 1};
    const std::size_t length = (lead >> 5) == 0x6    ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || length > text.size()) return {kBroken, 1};
    std::uint32_t code = lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<std::uint8_t>(text[k]);
        if ((next & 0xC0) != 0x80) return {kBroken, 1};
        code = (code << 6) | (next & 0x3Fu);
    }
    constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {kBroken, 1};
    }
    return {code, length};
}

// Characters YAML takes for a line break or that a reader may drop: written escaped.
bool NeedsEscape(std::uint32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029 ||
           code == 0xFEFF || code == kBroken;
}

std::string Escape(std::uint32_t code) {
    char text[12];
    if (code <= 0xFF) {
        std::snprintf(text, sizeof text, "\\x%02X", static_cast<unsigned>(code));
    } else {
        std::snprintf(text, sizeof text, "\\u%04X", static_cast<unsigned>(code));
    }
    return text;
}

bool PlainSafe(std::string_view value) {
    if (value.empty() || value.front() == ' ' || value.back() == ' ' || value.front() == '-') {
        return false;
    }
    if (IsReservedWord(value) || IsZeroLedNumber(value)) return false;
    while (!value.empty()) {
        const Character c = NextCharacter(value);
        if (c.code < 0x80 ? !IsPlainAscii(static_cast<char>(c.code)) : NeedsEscape(c.code)) {
            return false;
        }
        value.remove_prefix(c.length);
    }
    return true;
}

}  // namespace

std::string QuotedScalar(std::string_view value) {
    std::string quoted = "\"";
    while (!value.empty()) {
        const Character c = NextCharacter(value);
        if (c.code == '"' || c.code == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c.code);
        } else if (NeedsEscape(c.code)) {
            quoted += Escape(c.code == kBroken ? static_cast<std::uint8_t>(value[0]) : c.code);
        } else {
            quoted += value.substr(0, c.length);
        }
        value.remove_prefix(c.length);
    }
    return quoted + "\"";
}

std::string Scalar(std::string_view value) {
    return PlainSafe(value) ? std::string(value) : QuotedScalar(value);
}

std::string CommentText(std::string_view text) {
    std::string comment;
    while (!text.empty()) {
        const Character c = NextCharacter(text);
        if (NeedsEscape(c.code)) {
            comment += Escape(c.code == kBroken ? static_cast<std::uint8_t>(text[0]) : c.code);
        } else {
            comment += text.substr(0, c.length);
        }
        text.remove_prefix(c.length);
    }
    return comment;
}

}  // namespace qv::setup_text
