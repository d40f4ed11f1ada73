// The test-frequency window (Form4): grid row i + 1 shows test channel i + 1.
#pragma once

#include "state/program_state.h"

namespace qv {

// As the window is created: row labels 01..16 and the held frequencies.
void LoadForm4(Setup& setup);

}  // namespace qv
