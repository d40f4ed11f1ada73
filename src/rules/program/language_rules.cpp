#include "rules/program/language_rules.h"

#include "rules/channels/grid_rules.h"

namespace qv {

Changes ChooseLanguage(ProgramState& state, bool english) {
    const int from = english ? 0 : 1;
    if (state.LanguageIsEnglish != from) return {};
    state.LanguageIsEnglish = english ? 1 : 0;
    SetGrid1Text(state, english ? Language::English : Language::Chinese);
    return StatePart::Language | StatePart::Grid;
}

}  // namespace qv
