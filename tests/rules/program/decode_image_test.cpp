#include "rules/program/decode_image.h"

#include <gtest/gtest.h>

#include "image/image_test_support.h"
#include "state/option_entries.h"

namespace qv {
namespace {

class TakingOverAnImage : public test::StartedProgram {};

TEST_F(TakingOverAnImage, DecodingIsPureAndTheRulesRunWhenTheProgramTakesItOver) {
    // Priority "fixed" while channels 1 to 16 are empty.
    const ImageBytes image = StartupImageWith(0x150, "01");
    const DecodedSetup decoded = DecodeSetup(image, state, Language::Chinese);
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(decoded.setup.Form5.Combo11, 1) << "the image's value, no rule run";
    EXPECT_EQ(decoded.setup.OptionText[option_text::kPriorityMode], "1");
    EXPECT_EQ(decoded.choices.priorityMode, 1);

    EXPECT_EQ(ApplyDecodedSetup(state, host, decoded), kDecodedImageChanges);
    EXPECT_EQ(host.shown.size(), 1u) << "the rule's message";
    EXPECT_EQ(state.Form5.Combo11, 0) << "and the rule's result";
    EXPECT_EQ(state.OptionText[option_text::kPriorityMode], "1") << "the held value as decoded";
}

TEST_F(TakingOverAnImage, AnImageGivesTheSameSetupWhateverItWasDecodedOnto) {
    const ImageBytes image = EncodeImage(state);
    (void)DecodeImageBytes(image, state, host);
    const qv::Setup once = state;

    ProgramState other = state;
    other.Grid1[5] = {
        other.Grid1[5][0], "435.12500", "67.0", "435.12500", "关闭", "高", "关闭", "宽带", "有"};
    other.Combo1 = other.BandIndex = 3;
    other.Combo3 = 20;
    other.KeyFunctionCodes[0] = other.Form6.Combo[1] = 4;
    other.EmbeddedInfo[1] = other.Form7.Text2 = "dealer";
    other.PowerHighLevel = other.Form2.Slider1 = 1;
    other.TestFrequencyTable[0][2] = other.Form4.mfgrid1[3][1] = "435.00000";
    other.Form5.Combo1 = 9;
    other.Form5.Text5 = other.OptionText[option_text::kScanReceiveDelay] = "12";
    ASSERT_NE(static_cast<const qv::Setup&>(other), once);

    (void)DecodeImageBytes(image, other, host);
    EXPECT_EQ(static_cast<const qv::Setup&>(other), once)
        << "every held value and every control showing one comes from the image";
}

TEST_F(TakingOverAnImage, LeavesTheSessionButClosesCalibrationAccess) {
    state.LanguageIsEnglish = 1;
    state.CommPortNumber = 3;
    state.mnulockChecked = true;
    state.Frame2Enabled = state.Grid1Enabled = false;
    state.CalibrationUnlocked = true;
    state.Form2SlidersEnabled = true;
    state.ServiceButtonVisible = true;
    Session expected = state;
    expected.CalibrationUnlocked = false;
    (void)DecodeImageBytes(EncodeImage(state), state, host);
    EXPECT_EQ(static_cast<const Session&>(state), expected)
        << "the sliders stay enabled and the service button shown";
}

}  // namespace
}  // namespace qv
