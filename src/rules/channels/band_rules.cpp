#include "rules/channels/band_rules.h"

#include <string>

#include "i18n/messages.h"
#include "i18n/msgbox.h"
#include "rules/channels/grid_rules.h"

namespace qv {

Changes SelectBandPosition(ProgramState& state, Host& host, int position) {
    if (!IsBandPosition(position)) return {};
    // The limits follow Combo1, also when the question below is declined.
    state.Combo1 = position;
    if (position == state.BandIndex) return StatePart::Band;
    const Language language = MessageLanguage(state.LanguageIsEnglish);
    const int answer =
        host.LocalMsgBox(std::string(MessageText(MessageId::BandChangeQuestion, language)),
                         kStyleOkCancelQuestionSystemModal,
                         std::string(MessageText(MessageId::BandChangeTitle, language)));
    if (answer != kIdOk) return StatePart::Band;
    ClearGrid(state);
    state.BandIndex = position;
    return StatePart::Band | StatePart::Grid;
}

Changes ForceBand(ProgramState& state, Host& host, int position) {
    if (!IsBandPosition(position)) return {};
    state.BandIndex = position;
    return SelectBandPosition(state, host, position);
}

Changes OpenBandList(Setup& setup) {
    setup.BandIndex = setup.Combo1;
    return StatePart::Band;
}

}  // namespace qv
