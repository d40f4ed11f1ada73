#include "rules/channels/band_rules.h"

#include <string>

#include "i18n/messages.h"
#include "i18n/msgbox.h"
#include "rules/channels/grid_rules.h"

namespace qv {

Changes SelectBandPosition(ProgramState& state, Host& host, int position) {
    if (!IsBandPosition(position)) return {};
    // The list shows the chosen band while the question is open; its limits follow it.
    state.Combo1 = position;
    if (position == state.BandIndex) return StatePart::Band;
    const Language language = MessageLanguage(state.LanguageIsEnglish);
    const int answer =
        host.LocalMsgBox(std::string(MessageText(MessageId::BandChangeQuestion, language)),
                         kStyleOkCancelQuestionSystemModal,
                         std::string(MessageText(MessageId::BandChangeTitle, language)));
    if (answer != kIdOk) {
        // Declined: the list goes back to the band whose channels are in the table, and its limits
        // with it. A band shown over channels of another band would be saved and written with
        // them, and would refuse the table's own frequencies in the grid.
        state.Combo1 = state.BandIndex;
        return StatePart::Band;
    }
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
    // Outside a question the list already shows BandIndex. Should they ever part, the list is
    // the one to follow: moving BandIndex here would put the channels into another band
    // without clearing them.
    if (setup.Combo1 == setup.BandIndex) return {};
    setup.Combo1 = setup.BandIndex;
    return StatePart::Band;
}

}  // namespace qv
