// The rows the caption tables are built from. A row holds its texts, or names a run of items of a
// drop-down list whose texts come from the list data, so that no item text is written twice.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "i18n/captions.h"
#include "i18n/list_items.h"

namespace qv::caption_rows {

struct Texts {
    std::string_view chinese;
    std::string_view english;
};

struct Row {
    std::string_view control;
    int element = kNoElement;
    CaptionProperty property = CaptionProperty::Caption;
    int index = 0;  // for a list run: the first position
    Texts texts{};
    std::optional<ListId> list{};  // a list run: positions index .. index+count−1 of this list
    int count = 0;
};

constexpr Row Title(std::string_view control, Texts texts) {
    return {.control = control, .property = CaptionProperty::WindowTitle, .texts = texts};
}

constexpr Row Cap(std::string_view control, Texts texts) {
    return {.control = control, .property = CaptionProperty::Caption, .texts = texts};
}

constexpr Row Tip(std::string_view control, int button, Texts texts) {
    return {
        .control = control, .property = CaptionProperty::ToolTip, .index = button, .texts = texts};
}

constexpr Row ButtonName(std::string_view control, int button, Texts texts) {
    return {.control = control,
            .property = CaptionProperty::AccessibleName,
            .index = button,
            .texts = texts};
}

constexpr Row Header(std::string_view control, int column, Texts texts) {
    return {.control = control,
            .property = CaptionProperty::GridHeader,
            .index = column,
            .texts = texts};
}

constexpr Row Name(std::string_view control, Texts texts) {
    return {.control = control, .property = CaptionProperty::AccessibleName, .texts = texts};
}

constexpr Row Items(std::string_view control, ListId list, int first, int count,
                    int element = kNoElement) {
    return {.control = control,
            .element = element,
            .property = CaptionProperty::ListItem,
            .index = first,
            .list = list,
            .count = count};
}

// A text that reads the same in both languages.
constexpr Texts Same(std::string_view text) {
    return {text, text};
}

// Rows of the texts that follow the language, in the order they are applied.
std::span<const Row> LanguageRows(WindowId window);

// Rows of the texts that read the same in both languages.
std::span<const Row> FixedRows(WindowId window);

}  // namespace qv::caption_rows
