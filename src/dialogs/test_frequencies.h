// The test-frequency window (Form4): grid row i + 1 shows test channel i + 1.
#pragma once

#include "image/program_state.h"

namespace qv {

inline constexpr int kTestChannels = 16;

// Grid row `channel` (1..16) shows the held receive and transmit frequencies of that channel.
void ShowTestChannel(ProgramState& state, int channel);

void LoadForm4(ProgramState& state);

}  // namespace qv
