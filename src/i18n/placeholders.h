// Texts with %1, %2, ... naming values that are filled in when the text is shown.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace qv {

// `text` with %1, %2, ... replaced by the values in order, in one pass, so a value that holds
// "%2" stays as it is; a number beyond the values stays as it is.
std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> values);

}  // namespace qv
