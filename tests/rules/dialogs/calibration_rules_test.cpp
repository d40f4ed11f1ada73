// The calibration window's rules: sliders move the window's values, OK makes them the levels.
#include <gtest/gtest.h>

#include "rules/dialogs/calibration_rules.h"
#include "image/image_test_support.h"

namespace qv {
namespace {

using CalibrationRules = test::StartedProgram;

TEST_F(CalibrationRules, SlidersChangeTheLevelsOnlyOnOk) {
    EXPECT_EQ(state.Form2.Slider1, 208);
    EXPECT_EQ(state.Form2.Slider3, 92);
    EXPECT_EQ(MoveCalibrationSlider(state, &CalibrationControls::Slider1, 200), Changes(StatePart::Form2));
    EXPECT_EQ(state.PowerHighLevel, 208) << "moving is not storing";
    const struct {
        int value;
        int held;
    } moves[] = {{255, 255}, {256, 255}, {-1, 0}, {0, 0}, {93, 93}};
    for (const auto& m : moves) {
        MoveCalibrationSlider(state, &CalibrationControls::Slider3, m.value);
        EXPECT_EQ(state.Form2.Slider3, m.held) << m.value;
    }
    StorePowerLevels(state);
    EXPECT_EQ(state.PowerHighLevel, 200);
    EXPECT_EQ(state.PowerLowLevel, 93);
    EXPECT_EQ(EncodedAt(0x173, 1), "C8");
    EXPECT_EQ(EncodedAt(0x178, 1), "5D");
}

}  // namespace
}  // namespace qv
