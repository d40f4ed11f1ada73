// The calibration window (Form2): its load step, and what the user does in it: the sliders move the
// window's own values, OK makes them the power levels, and the close box keeps them on the sliders
// only.
#pragma once

#include "state/changes.h"
#include "state/program_state.h"

namespace qv {

inline constexpr int kPowerLevelMax = 255;
inline constexpr int kPowerLevelPageStep = 5;

// `slider` (Slider1 or Slider3) moved to `value`, held to 0..255; its value label shows it.
Changes MoveCalibrationSlider(Setup& setup, int CalibrationControls::*slider, int value);

// OK: the high level from Slider1, the low level from Slider3.
Changes StorePowerLevels(Setup& setup);

inline constexpr int kDefaultPowerHighLevel = 208;
inline constexpr int kDefaultPowerLowLevel = 92;

// As the window is created: the sliders show the held levels and are enabled only while
// calibration access is open.
void LoadCalibrationWindow(ProgramState& state);

}  // namespace qv
