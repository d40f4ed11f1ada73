// A table of texts in Chinese and English, one row per value of an enumeration and in its order,
// so that a text is found by its position and a missing or misplaced row does not build.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"
#include "i18n/placeholders.h"

namespace qv {

template <typename Id>
struct TextRow {
    Id id;
    std::string_view chinese;
    std::string_view english;
};

// True when `rows` holds one row per value of Id up to `last`, in order.
template <typename Id, std::size_t N>
constexpr bool RowsInIdOrder(const TextRow<Id> (&rows)[N], Id last) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(rows[i].id) != i) return false;
    }
    return static_cast<std::size_t>(last) + 1 == N;
}

template <typename Id, std::size_t N>
std::string_view TextOf(const TextRow<Id> (&rows)[N], Id id, Language language) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= N) return {};
    return language == Language::English ? rows[index].english : rows[index].chinese;
}

// The text with %1, %2, ... replaced by `values` in order.
template <typename Id, std::size_t N>
std::string FilledText(const TextRow<Id> (&rows)[N], Id id, Language language,
                       std::initializer_list<std::string_view> values) {
    return FillPlaceholders(TextOf(rows, id, language), values);
}

// As FilledText, for texts whose %1 is a count: when the count is 1 and `ones` has a row for the
// text, that row's form for one ("1 difference" beside "%1 differences"). `ones` is in any order.
template <typename Id, std::size_t N, std::size_t M>
std::string FilledCountText(const TextRow<Id> (&rows)[N], const TextRow<Id> (&ones)[M], Id id,
                            Language language, std::initializer_list<std::string_view> values) {
    if (values.size() > 0 && *values.begin() == "1") {
        for (const TextRow<Id>& one : ones) {
            if (one.id == id) {
                return FillPlaceholders(language == Language::English ? one.english : one.chinese,
                                        values);
            }
        }
    }
    return FilledText(rows, id, language, values);
}

}  // namespace qv
