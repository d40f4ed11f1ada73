// The history of the set-up: every change of it the user made (a cell, a dialog's OK, the band,
// New, Open, an import, a read, a paste) is one step on a QUndoStack, holding the whole set-up
// before and after, so that Undo gives back exactly the set-up that was. It also knows the file
// the shown set-up came from and whether it has changed since it was opened or saved.
//
// Steps are found, not announced: after every operation the program asks the history to notice
// what moved, and a set-up whose confirmed values differ from the last step's becomes a step.
// What one command does in several operations (a read: the image, then the band) is grouped into
// one step. A dialog's draft (what was typed into it and not confirmed with OK) is no part of a
// step: Undo and Redo leave it as it is.
#pragma once

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <string>

#include "i18n/language.h"
#include "state/changes.h"
#include "state/program_state.h"

namespace qv {

class SetupStep;

class SetupHistory : public QObject {
    Q_OBJECT

  public:
    // `show` refreshes the windows after Undo or Redo put a set-up back.
    SetupHistory(ProgramState& state, std::function<void(Changes)> show);

    QUndoStack& Stack() { return stack_; }

    // After an operation that changed `changes`: a step when the set-up moved. A language switch
    // rewrites the list cells' texts, which is no change of the set-up.
    void Notice(Changes changes);

    // Operations between BeginGroup and EndGroup make one step, noticed at EndGroup.
    void BeginGroup();
    void EndGroup();

    // The set-up shown came from `file` (empty: from no file, as after New or a read) and has no
    // changes since.
    void MarkUnchanged(const std::string& file);

    // The file the shown set-up came from; empty for none.
    const std::string& File() const { return file_; }
    // Whether the set-up shown differs from the one last saved, opened or read; undone or redone
    // back to that one, it has no changes.
    bool Modified() const;

  signals:
    // The file or the modified mark may read otherwise.
    void Moved();

  private:
    friend class SetupStep;
    SetupStep& Step(int index);
    void Restore(const Setup& setup, const std::string& file);

    ProgramState& state_;
    std::function<void(Changes)> show_;
    QUndoStack stack_;
    Setup recorded_;    // the set-up of the step shown, the dialogs' drafts left out
    Setup saved_;       // the set-up last saved, opened or read
    Language savedIn_;  // the language it was shown in
    std::string file_;  // where the shown set-up came from
    int groups_ = 0;
    Changes grouped_;  // what the operations of the group changed
    bool restoring_ = false;
};

}  // namespace qv
