// Choosing key functions in the key-assignment dialog (Form6). The lists are the working copy;
// OK makes them the held KeyFunctionCodes, Cancel leaves both as they are.
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

}  // namespace qv
