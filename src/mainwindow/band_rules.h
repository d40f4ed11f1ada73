// The band list: which band the channel table belongs to, the frequency limits that follow the
// shown band, and the question before a band change clears the table.
#pragma once

#include "image/host.h"
#include "image/program_state.h"

namespace qv {

inline constexpr int kBandCount = 6;

// The band list's selection changed to `position` (by the user or by the program). The limits
// follow the shown band at once; when it differs from BandIndex the user is asked whether to
// clear the channel table, and only OK moves BandIndex.
void SelectBandPosition(ProgramState& state, Host& host, int position);

// Puts the table into band `position` without a question: BandIndex first, then the list.
void ForceBand(ProgramState& state, Host& host, int position);

}  // namespace qv
