#include "cli/console_view.h"

#include <unistd.h>

#include <cstdio>
#include <utility>

namespace qv::cli {

ConsoleView::ConsoleView(std::string verb, std::function<void()> finished)
    : verb_(std::move(verb)), finished_(std::move(finished)), terminal_(::isatty(STDERR_FILENO)) {}

void ConsoleView::ShowProgress(int maximum, int value) {
    maximum_ = maximum;
    value_ = value;
    Draw();
}

void ConsoleView::SetProgressValue(int value) {
    value_ = value;
    Draw();
}

void ConsoleView::HideProgress() {
    if (terminal_ && drawn_) std::fputs("\n", stderr);
    drawn_ = false;
}

void ConsoleView::TransferFinished(TransferOutcome outcome) {
    HideProgress();
    outcome_ = outcome;
    if (finished_) finished_();
}

void ConsoleView::Draw() {
    if (!terminal_ || maximum_ <= 0) return;
    constexpr int kWidth = 40;
    const int filled = kWidth * value_ / maximum_;
    std::fprintf(stderr, "\r%s [%s%s] %4d/%d bytes", verb_.c_str(),
                 std::string(filled, '#').c_str(), std::string(kWidth - filled, ' ').c_str(),
                 value_, maximum_);
    std::fflush(stderr);
    drawn_ = true;
}

}  // namespace qv::cli
