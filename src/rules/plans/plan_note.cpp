#include "rules/plans/plan_note.h"

namespace qv {

std::string Describe(const PlanNote& note, Language language) {
    return PlanMessage(note.id, language, note.first, note.second);
}

}  // namespace qv
