// The edit lock: while it is on, the band frame, the function-settings frame and the channel grid
// take no clicks. Menus, toolbar, transfers, files and dialogs stay available.
#pragma once

#include "state/changes.h"
#include "state/program_state.h"

namespace qv {

// The lock command: inverts the mark and enables or disables the three containers with it.
Changes ToggleLock(Session& session);

// The lock byte of the parameter file at start-up: 1 locks, 0 unlocks, any other value leaves
// the window as it was created.
void ApplyStoredLock(Session& session, int storedByte);

}  // namespace qv
