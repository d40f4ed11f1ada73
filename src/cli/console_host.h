// The command line's message box: it prints the message on standard error and answers a question
// the way the command's options say.
#pragma once

#include <string>
#include <vector>

#include "state/host.h"

namespace qv::cli {

class ConsoleHost : public Host {
  public:
    // Yes/No questions are answered Yes when `answerYes`, otherwise No; any other box is closed
    // with its default button.
    explicit ConsoleHost(bool answerYes = false) : answerYes_(answerYes) {}

    // A quiet host only keeps the messages; the command reports them when it ends.
    void SetQuiet(bool quiet) { quiet_ = quiet; }

    int LocalMsgBox(const std::string& text, int style, const std::string& title) override;

    // Every message shown so far, in order.
    const std::vector<std::string>& Messages() const { return messages_; }

  private:
    bool answerYes_;
    bool quiet_ = false;
    std::vector<std::string> messages_;
};

}  // namespace qv::cli
