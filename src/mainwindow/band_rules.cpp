#include "mainwindow/band_rules.h"

#include <string>

#include "i18n/list_items.h"
#include "i18n/messages.h"
#include "i18n/msgbox.h"
#include "image/text.h"
#include "mainwindow/grid_rules.h"

namespace qv {
namespace {

// The limits are read off the item text "400-470MHz": characters 1-3 and 5-7.
void SetLimitsFromItem(ProgramState& state, int position) {
    const std::string_view item = ListItem(ListId::Band, position, Language::English);
    if (item.size() < 7) return;
    state.BandLowMHz = static_cast<int>(Val(item.substr(0, 3)));
    state.BandHighMHz = static_cast<int>(Val(item.substr(4, 3)));
}

}  // namespace

void SelectBandPosition(ProgramState& state, Host& host, int position) {
    if (position < 0 || position >= kBandCount) return;
    state.Combo1 = position;
    SetLimitsFromItem(state, position);
    if (position == state.BandIndex) return;
    const Language language = MessageLanguage(state.LanguageIsEnglish);
    const int answer =
        host.LocalMsgBox(std::string(MessageText(MessageId::BandChangeQuestion, language)),
                         kStyleOkCancelQuestionSystemModal,
                         std::string(MessageText(MessageId::BandChangeTitle, language)));
    if (answer != kIdOk) return;
    SetLimitsFromItem(state, position);
    ClearGrid(state);
    state.BandIndex = position;
}

void ForceBand(ProgramState& state, Host& host, int position) {
    if (position < 0 || position >= kBandCount) return;
    state.BandIndex = position;
    SelectBandPosition(state, host, position);
}

}  // namespace qv
