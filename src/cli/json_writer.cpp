#include "cli/json_writer.h"

#include <cstdio>

namespace qv::cli {
namespace {

constexpr std::string_view kReplacement = "\\ufffd";

std::string UnicodeEscape(unsigned code) {
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04x", code);
    return text;
}

// The length of the UTF-8 sequence that starts `text`, 0 when none does: overlong forms,
// surrogates and code points past U+10FFFF are no UTF-8.
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto continuation = [&](std::size_t i) {
        return i < text.size() && (byte(i) & 0xC0) == 0x80;
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!continuation(i)) return 0;
        code = code << 6 | (byte(i) & 0x3Fu);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF) return 0;
    return length;
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (std::size_t k = 0; k < text.size();) {
        const auto byte = static_cast<unsigned char>(text[k]);
        if (byte >= 0x80) {
            const std::size_t length = Utf8Length(text.substr(k));
            if (length == 0) {
                json += kReplacement;
                ++k;
            } else {
                json += text.substr(k, length);
                k += length;
            }
            continue;
        }
        switch (byte) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                // DEL is allowed in JSON, but a terminal showing the text is better off without it.
                if (byte < 0x20 || byte == 0x7F) {
                    json += UnicodeEscape(byte);
                } else {
                    json += static_cast<char>(byte);
                }
        }
        ++k;
    }
    return json + "\"";
}

void JsonWriter::Indent() {
    text_ += '\n';
    text_.append(2 * counts_.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (counts_.empty()) return;
    if (counts_.back()++ > 0) text_ += ',';
    Indent();
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    text_ += bracket;
    counts_.push_back(0);
}

void JsonWriter::Close(char bracket) {
    const bool empty = counts_.back() == 0;
    counts_.pop_back();
    if (!empty) Indent();
    text_ += bracket;
}

JsonWriter& JsonWriter::BeginObject() {
    Open('{');
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    Close('}');
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    Open('[');
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    Close(']');
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    BeforeValue();
    text_ += JsonString(key) + ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
    BeforeValue();
    text_ += JsonString(text);
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    text_ += "null";
    return *this;
}

JsonWriter& JsonWriter::StringOrNull(const std::optional<std::string>& text) {
    return text ? String(*text) : Null();
}

std::string JsonWriter::Text() const {
    return counts_.empty() ? text_ + "\n" : text_;
}

}  // namespace qv::cli
