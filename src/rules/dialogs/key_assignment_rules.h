// The key-assignment dialog (Form6): its load step, and choosing key functions. The lists are the
// working copy; OK makes them the held KeyFunctionCodes, Cancel leaves both as they are.
#pragma once

#include "state/changes.h"
#include "state/keys.h"
#include "state/program_state.h"

namespace qv {

// The user chose function `position` in the list of `key`. A position the list does not offer
// changes nothing.
Changes ChooseKeyFunction(Setup& setup, const KeyList& key, int position);

// OK: every list's function becomes the key's held function.
Changes StoreKeyFunctions(Setup& setup);

// As the window is created: every list shows its key's held function.
void LoadKeyAssignmentDialog(Setup& setup);

}  // namespace qv
