#include "rules/program/startup.h"

#include <gtest/gtest.h>

#include "image/image_test_support.h"

namespace qv {
namespace {

class Startup : public test::StartedProgram {};

TEST_F(Startup, SelectsTheFirstBandWithItsLimits) {
    EXPECT_EQ(state.BandIndex, 0);
    EXPECT_EQ(state.Combo1, 0);
    EXPECT_EQ(state.BandLowMHz(), 400);
    EXPECT_EQ(state.BandHighMHz(), 470);
    EXPECT_TRUE(host.shown.empty());
}

TEST_F(Startup, LabelsTheChannelRows) {
    EXPECT_EQ(state.Grid1[1][0], "G1-01");
    EXPECT_EQ(state.Grid1[16][0], "G1-16");
    EXPECT_EQ(state.Grid1[17][0], "G2- 01");
    EXPECT_EQ(state.Grid1[48][0], "G3- 16");
}

TEST_F(Startup, LoadsEveryDialogFromTheHeldValues) {
    const OptionalFunctionsControls& form5 = state.Form5;
    EXPECT_EQ(form5.Combo1, 0);
    EXPECT_EQ(form5.Combo2, 1);
    EXPECT_EQ(form5.Combo3, 0);
    EXPECT_EQ(form5.Combo7, 3);   // VOX gain from entry 6
    EXPECT_EQ(form5.Combo11, 0);  // priority mode from entry 10
    EXPECT_EQ(form5.Combo12, 0);  // channel 1 from entry 11
    EXPECT_EQ(form5.Check3, 1);
    EXPECT_EQ(form5.Text5, "");
    EXPECT_EQ(form5.Combo16, 1);
    EXPECT_EQ(form5.mfgrid1[8][0], "8");
    EXPECT_EQ(form5.mfgrid1[8][1], "8");

    EXPECT_EQ(state.Form6.Combo[2], 12) << "PF2 long press: alarm";
    EXPECT_EQ(state.Form6.Combo[9], 0) << "KB3 long press: off";
    EXPECT_EQ(state.Form6.Combo[10], 0) << "KB3 short press: off";

    EXPECT_FALSE(state.Form2SlidersEnabled);
    EXPECT_EQ(state.Form2.Slider1, 208);
    EXPECT_EQ(state.Form2.Slider3, 92);

    EXPECT_EQ(state.Form4.mfgrid1[1][0], "01");
    EXPECT_EQ(state.Form4.mfgrid1[16][0], "16");
    EXPECT_EQ(state.Form7.Text1, "");
}

TEST_F(Startup, SetsTheFunctionSettingsFrame) {
    EXPECT_EQ(state.Combo2, 0);
    EXPECT_EQ(state.Combo3, 1);
    EXPECT_EQ(state.Combo4, 0);
    EXPECT_EQ(state.Combo9, 5);
    EXPECT_EQ(state.Combo6, 1);
    EXPECT_EQ(state.Combo7, 1);
}

}  // namespace
}  // namespace qv
