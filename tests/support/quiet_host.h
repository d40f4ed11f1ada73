// A host and a transfer view that show nothing, for benchmarks and fuzzers: every message box is
// answered with its first button (OK, or Yes), and a transfer's end is only remembered.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "i18n/msgbox.h"
#include "link/core/link_host.h"
#include "state/host.h"

namespace qv::test {

class QuietHost : public Host {
  public:
    int LocalMsgBox(const std::string&, int style, const std::string&) override {
        return DecodeMsgBoxStyle(style).buttons.front();
    }
};

class SilentTransferView : public UnwatchedTransferView {
  public:
    std::optional<TransferOutcome> outcome;  // how the last transfer ended
    std::function<void()> finished;          // called when a transfer has ended

    void TransferFinished(TransferOutcome ended) override {
        outcome = ended;
        if (finished) finished();
    }
};

}  // namespace qv::test
