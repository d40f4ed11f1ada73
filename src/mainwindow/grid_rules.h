// Whole-row operations on the channel grid.
#pragma once

#include "state/program_state.h"

namespace qv {

// Row labels of column 0: "G1-01".."G1-16", "G2- 01".."G2- 16", "G3- 01".."G3- 16".
void SetGridRowLabels(Setup& setup);

// Empties channel `row`: its cells and its ChannelFlags.
void ClearNO(Setup& setup, int row);
// Empties every channel and its ChannelFlags (a confirmed band change).
void ClearGrid(Setup& setup);

}  // namespace qv
