// Values written as YAML scalars that every YAML reader takes back as the same text.
#pragma once

#include <string>
#include <string_view>

namespace qv::setup_text {

// `value` as a plain scalar where that reads back as the same text in any YAML reader (no
// indicator, no word a reader takes for true, false or null, no number with a leading zero), and
// otherwise in double quotes.
std::string Scalar(std::string_view value);

// `value` in double quotes, a control character as \xNN, a backslash and a quote escaped.
std::string QuotedScalar(std::string_view value);

// `text` fit for a comment on a line: control characters as \xNN.
std::string CommentText(std::string_view text);

}  // namespace qv::setup_text
