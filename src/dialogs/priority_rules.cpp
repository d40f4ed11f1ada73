#include "dialogs/priority_rules.h"

#include <string>

#include "i18n/language.h"
#include "i18n/messages.h"
#include "i18n/msgbox.h"

namespace qv {

void SetPriorityMode(Setup& setup, Host& host, int position) {
    Form5Controls& form = setup.Form5;
    if (form.Combo11 == position) return;
    form.Combo11 = position;
    if (position != kPriorityFixed) return;
    for (int channel = 1; channel <= kPriorityChannels; ++channel) {
        if (ChannelInUse(setup, channel)) {
            form.FixedPriorityChannel = channel;
            SetPriorityChannel(setup, host, channel - 1);
            return;
        }
    }
    // These messages have one wording in both languages.
    host.LocalMsgBox(
        std::string(MessageText(MessageId::PriorityNeedsChannel, Language::Chinese)), kStyleOk,
        std::string(MessageText(MessageId::PriorityNeedsChannelTitle, Language::Chinese)));
    SetPriorityMode(setup, host, kPriorityNone);
}

void SetPriorityChannel(Setup& setup, Host& host, int position) {
    Form5Controls& form = setup.Form5;
    if (form.Combo12 == position) return;
    form.Combo12 = position;
    if (form.Combo11 != kPriorityFixed) return;
    const int channel = position + 1;
    if (channel >= 1 && channel <= kPriorityChannels && ChannelInUse(setup, channel)) return;
    host.LocalMsgBox(std::string(MessageText(MessageId::PriorityChannelEmpty, Language::Chinese)),
                     kStyleOk, "");
    // Back to the channel found when "fixed" was chosen, without asking again; with none found
    // yet the list is left with no selection.
    form.Combo12 = form.FixedPriorityChannel - 1;
}

}  // namespace qv
