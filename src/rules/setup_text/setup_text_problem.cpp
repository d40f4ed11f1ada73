#include "rules/setup_text/setup_text_problem.h"

#include <cstddef>
#include <string_view>

#include "image/text.h"

namespace qv {
namespace {

// A list of more items than this is named by its first and last ones.
constexpr std::size_t kItemsNamedWhole = 8;
constexpr std::size_t kItemsAtEachEnd = 3;

std::string ItemsText(ListId list, Language language) {
    const std::vector<std::string>& items = ListItems(list, language);
    std::string text;
    const auto add = [&text](std::string_view item) {
        if (!text.empty()) text += ", ";
        text += item;
    };
    if (items.size() <= kItemsNamedWhole) {
        for (const std::string& item : items) add(item);
        return text;
    }
    for (std::size_t k = 0; k < kItemsAtEachEnd; ++k) add(items[k]);
    add("…");
    for (std::size_t k = items.size() - kItemsAtEachEnd; k < items.size(); ++k) add(items[k]);
    return text;
}

}  // namespace

void CutQuotedValues(SetupTextProblem& problem) {
    if (!problem.values.empty()) problem.values[0] = ShownText(problem.values[0], kQuotedChars);
}

std::string DescribeValue(const SetupTextProblem& problem, Language language) {
    std::vector<std::string_view> values(problem.values.begin(), problem.values.end());
    std::string said;
    if (problem.id == SetupTextId::NotYaml && !values.empty()) {
        said = YamlReaderMessage(values[0], language);
        values[0] = said;
    }
    std::string items;
    if (problem.items) {
        items = ItemsText(*problem.items, language);
        if (!problem.extraItem.empty()) items += ", " + problem.extraItem;
        values.resize(1);
        values.push_back(items);
    }
    while (values.size() < 4) values.emplace_back();
    return SetupTextMessage(problem.id, language, {values[0], values[1], values[2], values[3]});
}

std::string Describe(const SetupTextProblem& problem, Language language) {
    const std::string what = DescribeValue(problem, language);
    if (problem.field.empty()) return what;
    return problem.field + (language == Language::English ? ": " : "：") + what;
}

std::string DescribePlace(const SetupTextProblem& problem, Language language) {
    if (problem.line <= 0) return {};
    if (problem.column <= 0) {
        return SetupTextMessage(SetupTextId::PlaceLine, language, {std::to_string(problem.line)});
    }
    return SetupTextMessage(SetupTextId::Place, language,
                            {std::to_string(problem.line), std::to_string(problem.column)});
}

}  // namespace qv
