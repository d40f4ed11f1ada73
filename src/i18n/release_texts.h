// How the program names its own release, in Chinese and English. %1, %2, ... stand for the values
// given to ReleaseText.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace qv {

enum class ReleaseTextId {
    ProgramRelease,  // %1 the version ("1.1.0"), %2 the release date ("2026-12-11")
};

// The text in `language`, %1... replaced by `values` in order.
std::string ReleaseText(ReleaseTextId id, Language language,
                        std::initializer_list<std::string_view> values = {});

}  // namespace qv
