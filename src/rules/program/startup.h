// The program's start-up values.
#pragma once

#include "rules/program/parameter_file.h"
#include "state/host.h"
#include "state/program_state.h"

namespace qv {

// Key functions held at start-up: PF1/KB1 long momentary squelch off, PF2/KB2 long alarm, PF1/KB1
// short squelch off, PF2/KB2 short battery level; KB3 off.
void SetStartupKeyAssignments(Setup& setup);

// Default held values and settings-frame positions. Runs only at start-up; New does not call it.
void LoadDefaults(ProgramState& state);

// Every dialog's controls loaded from the held values, as when the dialogs are created.
void LoadDialogs(ProgramState& state, Host& host);

// The whole start-up in order: grid labels, key assignments, defaults, the parameter file's
// settings, dialogs loaded, first band selected.
ProgramState StartupState(Host& host, const Parameters& parameters);
// The same with only a language flag, as the command line and the tests start.
ProgramState StartupState(Host& host, int languageIsEnglish = 0);

// The set-up of a freshly started tool (start-up asks nothing), which a set-up as text keeps
// wherever it says nothing.
Setup StartupSetup();

}  // namespace qv
