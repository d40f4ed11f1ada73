// What a transfer shows, on a terminal: a progress line on standard error while it runs (only
// when standard error is a terminal) and its outcome when it ends.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "link/core/link_host.h"

namespace qv::cli {

class ConsoleView : public TransferView {
  public:
    // `verb` names the transfer on the progress line ("Reading"); `finished` runs at its end.
    ConsoleView(std::string verb, std::function<void()> finished);

    std::optional<TransferOutcome> Outcome() const { return outcome_; }

    // Names the transfer on the lines drawn from now on ("Verifying").
    void SetVerb(std::string verb) { verb_ = std::move(verb); }

    // Ends the progress line so that other text can follow on a line of its own; the next update
    // draws the line again below it.
    void BreakLine();

    void SetTransferControlsEnabled(bool) override {}
    void EnableBandFrameAndFocus() override {}
    // The progress line says what happens; the status texts are the window's.
    void SetStatusText(const std::string&) override {}
    void SetStatusVisible(bool) override {}
    void ShowProgress(int maximum, int value) override;
    void SetProgressValue(int value) override;
    // The line stays until the transfer has ended, which completes it or leaves it where it stood.
    void HideProgress() override {}
    void TransferFinished(TransferOutcome outcome) override;

  private:
    void Draw(bool complete);

    std::string verb_;
    std::function<void()> finished_;
    bool terminal_;
    bool drawn_ = false;
    int maximum_ = 0;
    int value_ = 0;
    std::optional<TransferOutcome> outcome_;
};

}  // namespace qv::cli
