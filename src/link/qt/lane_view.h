// What a transfer on a lane shows when nobody watches it but the run that drives it (a radio of a
// fleet, a probe of the detection, a radio of a station): its progress and its end, passed on.
#pragma once

#include <functional>
#include <utility>

#include "link/core/link_host.h"

namespace qv {

class LaneView : public UnwatchedTransferView {
  public:
    // Either may be empty: nothing is passed on then.
    explicit LaneView(std::function<void(int maximum, int value)> progress,
                      std::function<void(TransferOutcome)> finished = nullptr)
        : progress_(std::move(progress)), finished_(std::move(finished)) {}

    void ShowProgress(int maximum, int value) override {
        maximum_ = maximum;
        if (progress_) progress_(maximum, value);
    }
    void SetProgressValue(int value) override {
        if (progress_) progress_(maximum_, value);
    }
    void TransferFinished(TransferOutcome outcome) override {
        if (finished_) finished_(outcome);
    }

  private:
    std::function<void(int, int)> progress_;
    std::function<void(TransferOutcome)> finished_;
    int maximum_ = 0;
};

}  // namespace qv
