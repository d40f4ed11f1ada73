// The language flag and how captions and messages follow it.
#pragma once

#include <string_view>

namespace qv {

enum class Language { Chinese = 0, English = 1 };

// Captions and list texts: English when the flag is 1. A flag the program never stores (2 or
// more, from a foreign parameter file) leaves the windows as created, which is Chinese.
constexpr Language CaptionLanguage(int languageIsEnglish) {
    return languageIsEnglish == 1 ? Language::English : Language::Chinese;
}

// Messages: the English wording whenever the flag is not 0.
constexpr Language MessageLanguage(int languageIsEnglish) {
    return languageIsEnglish != 0 ? Language::English : Language::Chinese;
}

// The product name: the title of a message box without a title of its own.
inline constexpr std::string_view kApplicationTitle = "QV-7100";

}  // namespace qv
