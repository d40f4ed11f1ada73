// The set-up as the user's work: which changes make a step that Undo takes back, what the main
// window's title says about where the set-up came from and whether it has changed since, and the
// question before a command replaces changes that are not saved.
#pragma once

#include <string>
#include <string_view>

#include "i18n/language.h"
#include "state/changes.h"
#include "state/host.h"
#include "state/program_state.h"

namespace qv {

// True when `a` and `b` differ in what the set-up holds for good: the channels, the band, the
// function settings and the held values. The dialogs' working copies are left out: a list changed
// in a dialog is the user's draft until OK takes it over, and only then a change of the set-up.
bool ConfirmedValuesDiffer(const Setup& a, const Setup& b);

// True when `shown` (shown in `language`) holds other confirmed values than `saved`, the set-up
// last saved, opened or read while `savedIn` was shown: the list cells of a set-up saved in the
// other language are compared as `language` words them. This is what the title's "*" and the
// question before changes are lost go by.
bool DiffersFromSaved(const Setup& saved, Language savedIn, const Setup& shown, Language language);

// The set-up a step of the history records after an operation that changed `changes`: `shown`,
// where every dialog the operation did not touch keeps the working copy of `last` (the set-up of
// the step before): a dialog's draft is the user's until OK, and no step holds it.
Setup StepSetup(const Setup& shown, const Setup& last, Changes changes);

// The set-up `step` that Undo or Redo puts back, where every dialog with a draft keeps it: a
// dialog whose working copy in `shown` differs from the one in `last` (the step shown until now)
// holds edits not yet confirmed with OK, which the step does not replace.
Setup StepWithDrafts(const Setup& step, const Setup& shown, const Setup& last);

// The main window's title: the window's caption while the set-up came from no file (New, a read,
// the start), else the product name, "-" and the file's full name; "*" after it while the set-up
// has changes that are not saved.
std::string MainWindowTitle(std::string_view caption, std::string_view file, bool modified);

// The answer to the question before a command replaces a set-up with changes not saved.
enum class KeepChanges { Save, Discard, Cancel };

// Asks, in the session's language, whether to save the changes first; the box closed without a
// button is Cancel.
KeepChanges AskToKeepChanges(const Session& session, Host& host);

}  // namespace qv
