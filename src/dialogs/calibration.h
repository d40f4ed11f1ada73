// The transmit-power calibration window (Form2).
#pragma once

#include "state/program_state.h"

namespace qv {

inline constexpr int kDefaultPowerHighLevel = 208;
inline constexpr int kDefaultPowerLowLevel = 92;

// As the window is created: the sliders show the held levels and are enabled only while
// calibration access is open.
void LoadForm2(ProgramState& state);

}  // namespace qv
