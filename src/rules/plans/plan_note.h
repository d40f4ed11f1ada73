// A remark about a channel plan, held as data so that either language can show it later.
#pragma once

#include <string>

#include "i18n/language.h"
#include "i18n/messages.h"

namespace qv {

struct PlanNote {
    PlanMessageId id{};
    std::string first;   // %1 of the message
    std::string second;  // %2 of the message

    friend bool operator==(const PlanNote&, const PlanNote&) = default;
};

std::string Describe(const PlanNote& note, Language language);

}  // namespace qv
