// A host for transfers nobody watches: it shows nothing, answers a Yes/No question as it was told
// up front, and closes any other box with its default button; the run reports what happened as
// data. Each radio written with others has one, so that no radio waits for a person.
#pragma once

#include <string>

#include "state/host.h"

namespace qv {

class PolicyHost : public Host {
  public:
    explicit PolicyHost(bool answerYes) : answerYes_(answerYes) {}

    int LocalMsgBox(const std::string& text, int style, const std::string& title) override;
    int LocalMsgBoxWithDetails(const std::string& text, const std::string& details, int style,
                               const std::string& title) override;

  private:
    bool answerYes_;
};

}  // namespace qv
