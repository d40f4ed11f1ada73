// Texts from files on a terminal: a control character in a set-up's text or a cell of a CSV file
// could clear the screen or set the window's title, so it is written as an escape instead.
#pragma once

#include <string>
#include <string_view>

namespace qv::cli {

// `text` with every control character (C0, DEL and the C1 characters U+0080..U+009F) written as
// \xNN, NN the code of its byte (of its second byte for a C1 character in UTF-8).
std::string EscapeControls(std::string_view text);

// `text` in double quotes with its control characters escaped as above, and a backslash and a
// double quote with a backslash in front, so that every text reads back unambiguously.
std::string Quoted(std::string_view text);

}  // namespace qv::cli
