// A value of a set-up as text that reading refuses, held as data: where it stands, which field it
// is, what it holds and which rule it breaks, so that either language can word it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "i18n/language.h"
#include "i18n/list_items.h"
#include "i18n/setup_text_texts.h"

namespace qv {

struct SetupTextProblem {
    int line = 0;    // from 1; 0 for the file as a whole
    int column = 0;  // from 1; 0 for the whole line
    // The field as the file names it: "band", "dtmf.code_3", "channels[G1-02].rx"; empty for the
    // file or the document as a whole.
    std::string field;
    SetupTextId id{};
    std::vector<std::string> values;  // %1, %2, ... of the text, as the file writes them
    // A value that is not an item of its list: the list, worded in the reader's language, and an
    // item beyond it (the first-digit delay's start-up value).
    std::optional<ListId> items;
    std::string extraItem;

    friend bool operator==(const SetupTextProblem&, const SetupTextProblem&) = default;
};

// A problem names the value it is about (its first), it does not repeat a long one: the value is
// cut to this many characters, a broken UTF-8 sequence shown as U+FFFD.
inline constexpr std::size_t kQuotedChars = 60;
void CutQuotedValues(SetupTextProblem& problem);

// What is wrong, after the field it is about: "channels[G1-02].rx: 470.00000 is outside ...".
std::string Describe(const SetupTextProblem& problem, Language language);

// What is wrong without the field, as the comment on the value's own line says it.
std::string DescribeValue(const SetupTextProblem& problem, Language language);

// Where it stands: "line 3, column 7", "line 3", or nothing for the file as a whole.
std::string DescribePlace(const SetupTextProblem& problem, Language language);

}  // namespace qv
