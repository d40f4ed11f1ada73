#include "cli/console_host.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iostream>

#include "i18n/msgbox.h"

namespace qv::cli {

int ConsoleHost::LocalMsgBox(const std::string& text, int style, const std::string& title) {
    return LocalMsgBoxWithDetails(text, "", style, title);
}

int ConsoleHost::LocalMsgBoxWithDetails(const std::string& text, const std::string& details,
                                        int style, const std::string& title) {
    messages_.push_back(text);
    const MsgBoxLayout layout = DecodeMsgBoxStyle(style);
    const auto has = [&](int id) {
        return std::find(layout.buttons.begin(), layout.buttons.end(), id) != layout.buttons.end();
    };
    if (has(kIdYes) && has(kIdNo) && questions_ == Questions::AskOnTerminal) {
        return AskOnTerminal(text);
    }
    int answer = layout.buttons.at(static_cast<std::size_t>(layout.defaultButton));
    if (has(kIdYes) && has(kIdNo)) answer = questions_ == Questions::AnswerYes ? kIdYes : kIdNo;
    if (quiet_) return answer;
    std::fprintf(stderr, "[%s] %s%s\n", std::string(MsgBoxTitle(title)).c_str(), text.c_str(),
                 answer == kIdYes  ? " -> Yes"
                 : answer == kIdNo ? " -> No"
                                   : "");
    if (!details.empty()) std::fprintf(stderr, "%s\n", details.c_str());
    return answer;
}

int ConsoleHost::AskOnTerminal(const std::string& question) {
    asked_ = true;
    if (beforeAsking_) beforeAsking_();
    std::fprintf(stderr, "%s [y/N] ", question.c_str());
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer)) {
        std::fputs("\n", stderr);  // end of input: the line the answer would have ended
        return kIdNo;
    }
    std::erase_if(answer, [](unsigned char c) { return std::isspace(c); });
    std::transform(answer.begin(), answer.end(), answer.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return answer == "y" || answer == "yes" ? kIdYes : kIdNo;
}

}  // namespace qv::cli
