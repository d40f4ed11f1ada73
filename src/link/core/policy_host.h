// A host for transfers nobody watches: it shows nothing, keeps every message, answers a Yes/No
// question as it was told up front, and closes any other box with its default button. Each radio
// written with others has one, so that no radio waits for a person.
#pragma once

#include <string>
#include <vector>

#include "state/host.h"

namespace qv {

class PolicyHost : public Host {
  public:
    explicit PolicyHost(bool answerYes) : answerYes_(answerYes) {}

    int LocalMsgBox(const std::string& text, int style, const std::string& title) override;
    // Keeps the message alone; the details are for a person reading a box.
    int LocalMsgBoxWithDetails(const std::string& text, const std::string& details, int style,
                               const std::string& title) override;

    // Every message shown so far, in order.
    const std::vector<std::string>& Messages() const { return messages_; }

  private:
    bool answerYes_;
    std::vector<std::string> messages_;
};

}  // namespace qv
