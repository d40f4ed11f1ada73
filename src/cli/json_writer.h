// JSON text written as it goes, for commands that print what they found for scripts: objects,
// arrays, strings and null, with the commas, line breaks and two-space indentation where they
// belong. Every string is escaped as JSON wants it (quotes, backslashes, control characters), and
// bytes that are no UTF-8 become U+FFFD, so that any text, a device path too, gives valid JSON.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::cli {

// `text` as a JSON string, in double quotes.
std::string JsonString(std::string_view text);

class JsonWriter {
  public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // The name of the next value in an object.
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view text);
    JsonWriter& Null();
    // A string, or null when there is none.
    JsonWriter& StringOrNull(const std::optional<std::string>& text);

    // The text so far; once every object and array is ended, a whole JSON text with a line break
    // at its end.
    std::string Text() const;

  private:
    // Puts the comma and line break that come before a value, unless a key has just been put.
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void Indent();

    std::string text_;
    std::vector<int> counts_;  // values in each open object or array, outermost first
    bool afterKey_ = false;
};

}  // namespace qv::cli
