#include "dialogs/form2_rules.h"

#include <algorithm>

namespace qv {

Changes MoveForm2Slider(Setup& setup, int Form2Controls::*slider, int value) {
    setup.Form2.*slider = std::clamp(value, 0, kPowerLevelMax);
    return StatePart::Form2;
}

Changes Form2Ok(Setup& setup) {
    setup.PowerHighLevel = setup.Form2.Slider1;
    setup.PowerLowLevel = setup.Form2.Slider3;
    return StatePart::Form2;
}

}  // namespace qv
