// The transmit-power calibration window (Form2).
#pragma once

#include "image/program_state.h"

namespace qv {

inline constexpr int kDefaultPowerHighLevel = 208;
inline constexpr int kDefaultPowerLowLevel = 92;

// The sliders and their value labels show the held power levels.
void ShowPowerLevels(ProgramState& state);

// After creation the sliders are enabled only while calibration access is open.
void LoadForm2(ProgramState& state);

}  // namespace qv
