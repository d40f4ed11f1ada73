// The calibration window's rules: sliders move the window's values, OK makes them the levels.
#include <gtest/gtest.h>

#include "dialogs/form2_rules.h"
#include "image/image_test_support.h"

namespace qv {
namespace {

using Form2Rules = test::StartedProgram;

TEST_F(Form2Rules, SlidersChangeTheLevelsOnlyOnOk) {
    EXPECT_EQ(state.Form2.Slider1, 208);
    EXPECT_EQ(state.Form2.Slider3, 92);
    EXPECT_EQ(MoveForm2Slider(state, &Form2Controls::Slider1, 200), Changes(StatePart::Form2));
    EXPECT_EQ(state.PowerHighLevel, 208) << "moving is not storing";
    const struct {
        int value;
        int held;
    } moves[] = {{255, 255}, {256, 255}, {-1, 0}, {0, 0}, {93, 93}};
    for (const auto& m : moves) {
        MoveForm2Slider(state, &Form2Controls::Slider3, m.value);
        EXPECT_EQ(state.Form2.Slider3, m.held) << m.value;
    }
    Form2Ok(state);
    EXPECT_EQ(state.PowerHighLevel, 200);
    EXPECT_EQ(state.PowerLowLevel, 93);
    EXPECT_EQ(EncodedAt(0x173, 1), "C8");
    EXPECT_EQ(EncodedAt(0x178, 1), "5D");
}

}  // namespace
}  // namespace qv
