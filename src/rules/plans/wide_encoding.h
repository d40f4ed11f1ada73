// Text files in UTF-16 or UTF-32, as some spreadsheets save "Unicode text": recognised so that a
// channel plan in one is refused by the name of its encoding instead of read as garbage.
#pragma once

#include <optional>
#include <string_view>

namespace qv {

enum class WideEncoding {
    Utf16LittleEndian,
    Utf16BigEndian,
    Utf32LittleEndian,
    Utf32BigEndian,
};

// The wide encoding `bytes` are written in, by its byte order mark or, without one, by where the
// zero bytes of its first characters fall (text of the format is mostly ASCII, whose characters
// have zero bytes in all but one place). Nothing for UTF-8, with or without its mark, and for
// anything else: UTF-8 text holds no zero byte.
std::optional<WideEncoding> DetectWideEncoding(std::string_view bytes);

// "UTF-16 LE", "UTF-32 BE": the encoding as text editors name it, the same in every language.
std::string_view EncodingName(WideEncoding encoding);

}  // namespace qv
