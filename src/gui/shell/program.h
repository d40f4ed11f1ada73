// The running program as the windows see it: the state they show, the one way to a message box,
// where its files are, and the signal that says what an operation changed so that every window
// showing a changed part refreshes it (state/changes.h says how widgets bind).
#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "gui/shell/local_msgbox.h"
#include "gui/shell/qt_texts.h"
#include "gui/shell/setup_history.h"
#include "rules/program/write_options_file.h"
#include "state/changes.h"
#include "state/program_state.h"

namespace qv {

// Where the program keeps and finds its files.
struct ProgramPaths {
    QString programFolder;     // the folder of the executable: the help file may lie there
    QString parameterFile;     // "parameter": beside the program, or in the user's settings folder
    QString dataFolder;        // an installed program's share/qv7100, empty for any other program
    QString writeOptionsFile;  // how radios are written: beside the parameter file
    QString backupFolder;      // the radio's memory at every read and write: the user's data folder
};

// The paths of the program in `programFolder`: the installed data folder beside it, if any, and
// the parameter file beside the program when that folder may be written and the program is not
// an installed one; otherwise in the user's settings folder.
ProgramPaths LocateProgramPaths(const QString& programFolder);

// The same for the running program.
ProgramPaths LocateProgramPaths();

class Program : public QObject {
    Q_OBJECT

  public:
    // Starts the program: defaults, the parameter file's settings, the dialogs' controls loaded,
    // the first band selected.
    explicit Program(ProgramPaths paths);

    ProgramState& State() { return state_; }
    const ProgramState& State() const { return state_; }
    LocalMessageBox& MessageBox() { return messageBox_; }
    const ProgramPaths& Paths() const { return paths_; }
    // The steps Undo and Redo walk, the file the set-up came from and whether it changed since.
    SetupHistory& History() { return *history_; }
    // Verify after write and the backup before a write, as the user last chose them.
    const WriteOptions& Options() const { return writeOptions_; }
    // Keeps `options` for this run and the next; false, with nothing kept for the next run, when
    // the file could not be written.
    Status SetOptions(const WriteOptions& options);

    // Tells every window what changed; Qt's own texts follow a language switch first. A change of
    // the set-up becomes a step of the history.
    void Changed(Changes changes);

    // True once the program's own exit has begun: the dialogs then close instead of hiding.
    bool Exiting() const { return exiting_; }
    void BeginExit() { exiting_ = true; }

  signals:
    void StateChanged(qv::Changes changes);

  private:
    ProgramState state_;
    ProgramPaths paths_;
    LocalMessageBox messageBox_;
    QtTexts qtTexts_;
    WriteOptions writeOptions_;
    std::unique_ptr<SetupHistory> history_;  // from the set-up the program starts with
    bool exiting_ = false;
};

}  // namespace qv
