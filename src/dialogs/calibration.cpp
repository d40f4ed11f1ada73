#include "dialogs/calibration.h"

#include "image/held_controls.h"

namespace qv {

void LoadForm2(ProgramState& state) {
    state.Form2SlidersEnabled = state.CalibrationUnlocked;
    ShowPowerLevels(state);
}

}  // namespace qv
