// The band list: which band the channel table belongs to, the frequency limits that follow the
// shown band, and the question before a band change clears the table. Outside the question the
// list always shows the band the channels belong to (BandIndex).
#pragma once

#include "state/changes.h"
#include "state/host.h"
#include "state/program_state.h"

namespace qv {

// The band list's selection changed to `position` (by the user or by the program). The limits
// follow the shown band at once; when it differs from BandIndex the user is asked whether to
// clear the channel table. OK clears it and moves BandIndex; Cancel puts the list back on
// BandIndex, limits included. Every change is judged against BandIndex, so each step of the
// arrow keys through the closed list asks again.
Changes SelectBandPosition(ProgramState& state, Host& host, int position);

// Puts the table into band `position` without a question: BandIndex first, then the list.
Changes ForceBand(ProgramState& state, Host& host, int position);

// The user opened the band list. The band shown is already the one a change is judged against;
// should the list ever show another, it goes back to BandIndex (BandIndex never moves here).
Changes OpenBandList(Setup& setup);

}  // namespace qv
