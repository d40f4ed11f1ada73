#include "dialogs/priority_rules.h"

#include <string>

#include "i18n/language.h"
#include "i18n/messages.h"
#include "i18n/msgbox.h"

namespace qv {

void SetPriorityMode(ProgramState& state, Host& host, int position) {
    Form5Controls& form = state.Form5;
    if (form.Combo11 == position) return;
    form.Combo11 = position;
    if (position != kPriorityFixed) return;
    for (int channel = 1; channel <= kPriorityChannels; ++channel) {
        if (ChannelInUse(state, channel)) {
            form.FixedPriorityChannel = channel;
            SetPriorityChannel(state, host, channel - 1);
            return;
        }
    }
    // These messages have one wording in both languages.
    host.LocalMsgBox(
        std::string(MessageText(MessageId::PriorityNeedsChannel, Language::Chinese)), kStyleOk,
        std::string(MessageText(MessageId::PriorityNeedsChannelTitle, Language::Chinese)));
    SetPriorityMode(state, host, kPriorityNone);
}

void SetPriorityChannel(ProgramState& state, Host& host, int position) {
    Form5Controls& form = state.Form5;
    if (form.Combo12 == position) return;
    form.Combo12 = position;
    if (form.Combo11 != kPriorityFixed) return;
    const int channel = position + 1;
    if (channel >= 1 && channel <= kPriorityChannels && ChannelInUse(state, channel)) return;
    host.LocalMsgBox(std::string(MessageText(MessageId::PriorityChannelEmpty, Language::Chinese)),
                     kStyleOk, "");
    // Back to the channel found when "fixed" was chosen, without asking again; with none found
    // yet the list is left with no selection.
    form.Combo12 = form.FixedPriorityChannel - 1;
}

}  // namespace qv
