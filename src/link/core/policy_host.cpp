#include "link/core/policy_host.h"

#include <algorithm>

#include "i18n/msgbox.h"

namespace qv {

int PolicyHost::LocalMsgBox(const std::string& text, int style, const std::string& title) {
    return LocalMsgBoxWithDetails(text, "", style, title);
}

int PolicyHost::LocalMsgBoxWithDetails(const std::string&, const std::string&, int style,
                                       const std::string&) {
    const MsgBoxLayout layout = DecodeMsgBoxStyle(style);
    const auto has = [&](int id) {
        return std::find(layout.buttons.begin(), layout.buttons.end(), id) != layout.buttons.end();
    };
    if (has(kIdYes) && has(kIdNo)) return answerYes_ ? kIdYes : kIdNo;
    return layout.buttons.at(static_cast<std::size_t>(layout.defaultButton));
}

}  // namespace qv
