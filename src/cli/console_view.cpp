#include "cli/console_view.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace qv::cli {

ConsoleView::ConsoleView(std::string verb, std::function<void()> finished)
    : verb_(std::move(verb)), finished_(std::move(finished)), terminal_(::isatty(STDERR_FILENO)) {}

void ConsoleView::ShowProgress(int maximum, int value) {
    maximum_ = maximum;
    value_ = value;
    Draw(false);
}

void ConsoleView::SetProgressValue(int value) {
    value_ = value;
    Draw(false);
}

void ConsoleView::BreakLine() {
    if (terminal_ && drawn_) std::fputs("\n", stderr);
    drawn_ = false;
}

void ConsoleView::TransferFinished(TransferOutcome outcome) {
    // The bar counts bytes against a read's 1536; a write sends fewer and is whole all the same.
    const bool complete =
        outcome == TransferOutcome::ReadComplete || outcome == TransferOutcome::WriteComplete;
    if (complete) Draw(true);
    BreakLine();
    outcome_ = outcome;
    if (finished_) finished_();
}

void ConsoleView::Draw(bool complete) {
    if (!terminal_ || maximum_ <= 0) return;
    constexpr int kWidth = 40;
    const int value = complete ? maximum_ : std::clamp(value_, 0, maximum_);
    const int filled = kWidth * value / maximum_;
    std::fprintf(stderr, "\r%s [%s%s] %3d %%%s", verb_.c_str(), std::string(filled, '#').c_str(),
                 std::string(kWidth - filled, ' ').c_str(), 100 * value / maximum_,
                 complete ? " complete" : "");
    std::fflush(stderr);
    drawn_ = true;
}

}  // namespace qv::cli
