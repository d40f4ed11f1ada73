// The command line's message box: it prints the message on standard error and answers a question
// the way the command's options say, or asks on the terminal.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "state/host.h"

namespace qv::cli {

// How a Yes/No question is answered.
enum class Questions {
    AnswerNo,
    AnswerYes,
    AskOnTerminal,  // on standard error, the answer read from standard input; No unless "y"/"yes"
};

class ConsoleHost : public Host {
  public:
    // Any box other than a Yes/No question is closed with its default button.
    explicit ConsoleHost(Questions questions = Questions::AnswerNo) : questions_(questions) {}

    // A quiet host only keeps the messages; the command reports them when it ends. Questions asked
    // on the terminal are asked all the same.
    void SetQuiet(bool quiet) { quiet_ = quiet; }
    // Runs before a question appears on the terminal, to end a progress line.
    void SetBeforeAsking(std::function<void()> beforeAsking) {
        beforeAsking_ = std::move(beforeAsking);
    }

    int LocalMsgBox(const std::string& text, int style, const std::string& title) override;
    // The details are printed after the message; Messages() keeps the message alone.
    int LocalMsgBoxWithDetails(const std::string& text, const std::string& details, int style,
                               const std::string& title) override;

    // Every message shown so far, in order.
    const std::vector<std::string>& Messages() const { return messages_; }
    // True once a question was put to the person at the terminal.
    bool Asked() const { return asked_; }

  private:
    int AskOnTerminal(const std::string& question);

    Questions questions_;
    bool quiet_ = false;
    bool asked_ = false;
    std::function<void()> beforeAsking_;
    std::vector<std::string> messages_;
};

}  // namespace qv::cli
