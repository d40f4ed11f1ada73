#include "dialogs/calibration.h"

#include <string>

namespace qv {

void ShowPowerLevels(ProgramState& state) {
    state.Form2.Slider1 = state.PowerHighLevel;
    state.Form2.Lblpower1 = std::to_string(state.PowerHighLevel);
    state.Form2.Slider3 = state.PowerLowLevel;
    state.Form2.Lblpower3 = std::to_string(state.PowerLowLevel);
}

void LoadForm2(ProgramState& state) {
    state.Form2.SlidersEnabled = state.CalibrationUnlocked;
    ShowPowerLevels(state);
}

}  // namespace qv
