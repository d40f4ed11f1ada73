// Contrast by relative luminance, and the disabled text colour that stays grey yet legible.
#include "gui/shell/legible_colour.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

TEST(ContrastRatio, FollowsTheRelativeLuminanceFormula) {
    const struct {
        Rgb first;
        Rgb second;
        double ratio;
    } cases[] = {
        {kBlack, kWhite, 21.0},          {kWhite, kBlack, 21.0},           {kWhite, kWhite, 1.0},
        {{118, 118, 118}, kWhite, 4.54},  // the palest grey that reads on white
        {{255, 0, 0}, kWhite, 4.00},     {kBlack, {160, 192, 255}, 11.48},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(ContrastRatio(c.first, c.second), c.ratio, 0.01)
            << c.first.red << "," << c.first.green << "," << c.first.blue;
    }
}

TEST(LegibleDisabledText, StaysAsGreyAsLegibilityAllows) {
    const struct {
        Rgb disabled;
        Rgb enabled;
        Rgb background;
        const char* what;
    } cases[] = {
        {{190, 190, 190}, kBlack, kWhite, "a light theme's grey on white"},
        {{190, 190, 190}, kBlack, {192, 192, 255}, "on the second group's tint"},
        {{190, 190, 190}, kBlack, {160, 192, 255}, "on the third group's tint"},
        {{190, 190, 190}, kBlack, {239, 239, 239}, "on a header"},
        {kWhite, kWhite, {145, 145, 145}, "selected: white on a grey selection"},
        {{127, 127, 127}, kWhite, {42, 42, 42}, "a dark theme's grey on its base"},
        {{127, 127, 127}, kWhite, {160, 192, 255}, "white text that does not read on the tint"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Rgb text = LegibleDisabledText(c.disabled, c.enabled, c.background, 4.5);
        const double contrast = ContrastRatio(text, c.background);
        EXPECT_GE(contrast, 4.5);
        EXPECT_LT(contrast, 4.7) << "no more contrast than legibility needs: it still looks grey";
        EXPECT_EQ(text.red, text.green) << "a grey stays a grey";
        EXPECT_EQ(text.green, text.blue);
    }
}

TEST(LegibleDisabledText, KeepsADisabledColourThatReadsAlready) {
    const Rgb grey{100, 100, 100};
    EXPECT_EQ(LegibleDisabledText(grey, kBlack, kWhite, 4.5), grey);
}

}  // namespace
}  // namespace qv
