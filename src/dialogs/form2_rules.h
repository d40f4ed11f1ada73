// What the user does in the calibration window (Form2): the sliders move the window's own values,
// OK makes them the power levels, and the close box keeps them on the sliders only.
#pragma once

#include "state/changes.h"
#include "state/program_state.h"

namespace qv {

inline constexpr int kPowerLevelMax = 255;
inline constexpr int kPowerLevelPageStep = 5;

// `slider` (Slider1 or Slider3) moved to `value`, held to 0..255; its value label shows it.
Changes MoveForm2Slider(Setup& setup, int Form2Controls::*slider, int value);

// OK: the high level from Slider1, the low level from Slider3.
Changes Form2Ok(Setup& setup);

}  // namespace qv
