#include "gui/shell/setup_history.h"

#include <QUndoCommand>

#include <utility>

#include "rules/channels/grid_rules.h"
#include "rules/program/unsaved_changes.h"

namespace qv {

namespace {

// Enough to take back a long session's edits; each step holds two set-ups of some ten kilobytes.
constexpr int kStepsKept = 200;

}  // namespace

// One step: the set-up before and after, and the file each came from.
class SetupStep : public QUndoCommand {
  public:
    SetupStep(SetupHistory& history, Setup before, Setup after, const std::string& file)
        : history_(history),
          before_(std::move(before)),
          after_(std::move(after)),
          fileBefore_(file),
          fileAfter_(file) {}

    void undo() override { history_.Restore(before_, fileBefore_); }
    void redo() override {
        // Pushed after the change was made: the first redo has nothing to do.
        if (pushed_) {
            pushed_ = false;
            return;
        }
        history_.Restore(after_, fileAfter_);
    }

    void SetFileBefore(const std::string& file) { fileBefore_ = file; }
    void SetFileAfter(const std::string& file) { fileAfter_ = file; }

  private:
    SetupHistory& history_;
    Setup before_;
    Setup after_;
    std::string fileBefore_;
    std::string fileAfter_;
    bool pushed_ = true;
};

SetupHistory::SetupHistory(ProgramState& state, std::function<void(Changes)> show)
    : state_(state),
      show_(std::move(show)),
      recorded_(state),
      saved_(state),
      savedIn_(CaptionLanguage(state.LanguageIsEnglish)) {
    stack_.setUndoLimit(kStepsKept);
    connect(&stack_, &QUndoStack::indexChanged, this, &SetupHistory::Moved);
}

void SetupHistory::Notice(Changes changes) {
    if (restoring_) return;
    if (groups_ > 0) {
        grouped_ |= changes;
        return;
    }
    if (changes.Has(StatePart::Language)) {
        // The list cells read in the other language; the dialogs' drafts stay drafts.
        recorded_ = StepSetup(state_, recorded_, {});
        return;
    }
    if (!ConfirmedValuesDiffer(recorded_, state_)) return;
    // A step undone and a new change made: the steps undone are gone, and the file of the set-up
    // now shown is the one it came from.
    Setup step = StepSetup(state_, recorded_, changes);
    stack_.push(new SetupStep(*this, recorded_, step, file_));
    recorded_ = std::move(step);
}

void SetupHistory::BeginGroup() {
    ++groups_;
}

void SetupHistory::EndGroup() {
    if (groups_ > 0) --groups_;
    if (groups_ > 0) return;
    Notice(std::exchange(grouped_, {}) | StatePart::Grid);
}

void SetupHistory::MarkUnchanged(const std::string& file) {
    file_ = file;
    saved_ = state_;
    savedIn_ = CaptionLanguage(state_.LanguageIsEnglish);
    // The steps on either side of the set-up shown name the file when they lead back to it.
    const int index = stack_.index();
    if (index > 0) Step(index - 1).SetFileAfter(file);
    if (index < stack_.count()) Step(index).SetFileBefore(file);
    emit Moved();
}

bool SetupHistory::Modified() const {
    return DiffersFromSaved(saved_, savedIn_, state_, CaptionLanguage(state_.LanguageIsEnglish));
}

SetupStep& SetupHistory::Step(int index) {
    // Every command on the stack is a SetupStep; QUndoStack hands them out const only.
    return *const_cast<SetupStep*>(static_cast<const SetupStep*>(stack_.command(index)));
}

void SetupHistory::Restore(const Setup& setup, const std::string& file) {
    restoring_ = true;
    Setup step = setup;
    // The list cells read in the language shown now, also when the step was made in the other.
    SetGrid1Text(step, CaptionLanguage(state_.LanguageIsEnglish));
    static_cast<Setup&>(state_) = StepWithDrafts(step, state_, recorded_);
    recorded_ = std::move(step);
    file_ = file;
    show_(Changes::WholeSetup());
    restoring_ = false;
    emit Moved();
}

}  // namespace qv
