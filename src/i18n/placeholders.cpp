#include "i18n/placeholders.h"

#include <cstddef>

namespace qv {

std::string FillPlaceholders(std::string_view text,
                             std::initializer_list<std::string_view> values) {
    std::string filled;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t number =
            text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9'
                ? static_cast<std::size_t>(text[at + 1] - '0')
                : 0;
        if (number == 0 || number > values.size()) {
            filled += text[at];
            continue;
        }
        filled += values.begin()[number - 1];
        ++at;
    }
    return filled;
}

}  // namespace qv
