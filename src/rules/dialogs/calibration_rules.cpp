#include "rules/dialogs/calibration_rules.h"

#include <algorithm>

#include "image/held_controls.h"

namespace qv {

Changes MoveCalibrationSlider(Setup& setup, int CalibrationControls::*slider, int value) {
    setup.Form2.*slider = std::clamp(value, 0, kPowerLevelMax);
    return StatePart::Form2;
}

Changes StorePowerLevels(Setup& setup) {
    setup.PowerHighLevel = setup.Form2.Slider1;
    setup.PowerLowLevel = setup.Form2.Slider3;
    return StatePart::Form2;
}

void LoadCalibrationWindow(ProgramState& state) {
    state.Form2SlidersEnabled = state.CalibrationUnlocked;
    ShowPowerLevels(state);
}

}  // namespace qv
