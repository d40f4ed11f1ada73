// A Host for tests: records every message box and answers from a script (OK when the script is
// empty).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "state/host.h"

namespace qv::test {

struct ShownMessage {
    std::string text;
    int style;
    std::string title;
    std::string details;  // shown under the text
};

class ScriptedHost : public Host {
  public:
    std::vector<ShownMessage> shown;
    std::deque<int> answers;

    int LocalMsgBox(const std::string& text, int style, const std::string& title) override {
        return LocalMsgBoxWithDetails(text, "", style, title);
    }
    int LocalMsgBoxWithDetails(const std::string& text, const std::string& details, int style,
                               const std::string& title) override {
        shown.push_back({text, style, title, details});
        if (answers.empty()) return 1;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace qv::test
