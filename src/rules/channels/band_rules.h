// The band list: which band the channel table belongs to, the frequency limits that follow the
// shown band, and the question before a band change clears the table.
#pragma once

#include "state/changes.h"
#include "state/host.h"
#include "state/program_state.h"

namespace qv {

// The band list's selection changed to `position` (by the user or by the program). The limits
// follow the shown band at once; when it differs from BandIndex the user is asked whether to
// clear the channel table, and only OK clears it and moves BandIndex.
Changes SelectBandPosition(ProgramState& state, Host& host, int position);

// Puts the table into band `position` without a question: BandIndex first, then the list.
Changes ForceBand(ProgramState& state, Host& host, int position);

// The user opened the band list: the band shown becomes the one a change is judged against.
Changes OpenBandList(Setup& setup);

}  // namespace qv
