#include "rules/setup_text/text_bytes.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "rules/setup_text/setup_text.h"

namespace qv::setup_text {
namespace {

SetupTextProblem Problem(int line, int column, SetupTextId id, std::vector<std::string> values) {
    SetupTextProblem problem;
    problem.line = line;
    problem.column = column;
    problem.id = id;
    problem.values = std::move(values);
    return problem;
}

// The length of the UTF-8 sequence at the start of `text`, or 0 when it is broken (overlong
// forms, surrogates and codes past U+10FFFF included).
std::size_t Utf8Length(std::string_view text) {
    const auto lead = static_cast<std::uint8_t>(text[0]);
    if (lead < 0x80) return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || length > text.size()) return 0;
    const auto second = static_cast<std::uint8_t>(text[1]);
    // The second byte's range rules out overlong forms, surrogates and codes past U+10FFFF.
    const std::uint8_t low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const std::uint8_t high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (second < low || second > high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if ((static_cast<std::uint8_t>(text[k]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

std::string ByteName(std::uint8_t byte) {
    char name[8];
    std::snprintf(name, sizeof name, "0x%02X", static_cast<unsigned>(byte));
    return name;
}

}  // namespace

std::optional<SetupTextProblem> CheckTextBytes(std::string_view text) {
    if (text.size() > kLargestSetupTextBytes) {
        return Problem(0, 0, SetupTextId::FileTooLarge,
                       {std::to_string(text.size()), std::to_string(kLargestSetupTextBytes)});
    }
    int line = 1;
    int column = 1;
    bool indentation = true;  // among the blanks the line starts with
    while (!text.empty()) {
        const std::size_t length = Utf8Length(text);
        if (length == 0) {
            return Problem(line, column, SetupTextId::NotUtf8,
                           {ByteName(static_cast<std::uint8_t>(text[0]))});
        }
        const char c = text[0];
        if (c == '\t' && indentation) {
            // A tab on a line of blanks only holds nothing and is harmless.
            const std::size_t end = text.find('\n');
            const std::string_view rest = text.substr(0, end);
            if (rest.find_first_not_of(" \t\r") != std::string_view::npos) {
                return Problem(line, column, SetupTextId::TabIndentation, {});
            }
        }
        if (c == '\n') {
            ++line;
            column = 1;
            indentation = true;
        } else {
            ++column;
            if (c != ' ' && c != '\t') indentation = false;
        }
        text.remove_prefix(length);
    }
    return std::nullopt;
}

}  // namespace qv::setup_text
