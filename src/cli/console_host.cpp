#include "cli/console_host.h"

#include <algorithm>
#include <cstdio>

#include "i18n/msgbox.h"

namespace qv::cli {

int ConsoleHost::LocalMsgBox(const std::string& text, int style, const std::string& title) {
    messages_.push_back(text);
    const MsgBoxLayout layout = DecodeMsgBoxStyle(style);
    const auto has = [&](int id) {
        return std::find(layout.buttons.begin(), layout.buttons.end(), id) != layout.buttons.end();
    };
    int answer = layout.buttons.at(static_cast<std::size_t>(layout.defaultButton));
    if (has(kIdYes) && has(kIdNo)) answer = answerYes_ ? kIdYes : kIdNo;
    if (quiet_) return answer;
    std::fprintf(stderr, "[%s] %s%s\n", std::string(MsgBoxTitle(title)).c_str(), text.c_str(),
                 answer == kIdYes  ? " -> Yes"
                 : answer == kIdNo ? " -> No"
                                   : "");
    return answer;
}

}  // namespace qv::cli
