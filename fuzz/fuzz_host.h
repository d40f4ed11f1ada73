// A message box that answers every message with its first button, for the fuzzers.
#pragma once

#include "state/host.h"

namespace qv::fuzz {

class QuietHost : public Host {
  public:
    int LocalMsgBox(const std::string&, int, const std::string&) override { return 1; }
};

}  // namespace qv::fuzz
