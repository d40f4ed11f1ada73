#include "cli/terminal_text.h"

#include <cstdio>

namespace qv::cli {
namespace {

constexpr unsigned char kLeadOfC1 = 0xC2;  // U+0080..U+009F are C2 80..C2 9F in UTF-8

std::string Escape(unsigned char code) {
    char written[5];
    std::snprintf(written, sizeof written, "\\x%02x", code);
    return written;
}

std::string Shown(std::string_view text, bool escapeQuotes) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto byte = static_cast<unsigned char>(text[k]);
        const auto next = static_cast<unsigned char>(k + 1 < text.size() ? text[k + 1] : '\0');
        if (byte == kLeadOfC1 && next >= 0x80 && next <= 0x9F) {
            shown += Escape(next);
            ++k;
        } else if (byte < 0x20 || byte == 0x7F) {
            shown += Escape(byte);
        } else {
            if (escapeQuotes && (byte == '\\' || byte == '"')) shown += '\\';
            shown += static_cast<char>(byte);
        }
    }
    return shown;
}

}  // namespace

std::string EscapeControls(std::string_view text) {
    return Shown(text, false);
}

std::string Quoted(std::string_view text) {
    return "\"" + Shown(text, true) + "\"";
}

}  // namespace qv::cli
