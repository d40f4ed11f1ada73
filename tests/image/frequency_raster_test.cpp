#include "image/frequency_raster.h"

#include <gtest/gtest.h>

#include <string>

#include "image/text.h"
#include "support/decimal_comma_locale.h"

namespace qv {
namespace {

struct SnapCase {
    const char* text;
    double mhz;
};
constexpr SnapCase kSnapCases[] = {
    {"435.12500", 435.125},    // on both rasters
    {"435.12600", 435.125},    // remainders 100 and 100
    {"435.11900", 435.11875},  // remainders 400 and 25: the 6.25 kHz point is nearer
    {"435.00625", 435.00625},  // on the 6.25 kHz raster
    {"435.01250", 435.0125},  {"435.01234", 435.01},
    {"435.00700", 435.00625}, {"469.99999", 469.995},
};

struct RemainderCase {
    double step;
    double value;
    double remainder;
};
constexpr RemainderCase kRemainderCases[] = {
    {0.005, 435.0123, 0.0023},   {0.00625, 435.0123, 0.00605}, {0.005, 435.007, 0.002},
    {0.00625, 435.007, 0.00075}, {0.00625, 435.00625, 0.0},  // rounding noise tolerated
    {0.005, 435.005, 0.0},       {0.005, 0.003, 0.003},      // below one step
};

void ExpectSnapCases() {
    for (const auto& c : kSnapCases) EXPECT_DOUBLE_EQ(SnapFrequency(c.text), c.mhz) << c.text;
}

void ExpectRemainderCases() {
    for (const auto& c : kRemainderCases) {
        EXPECT_NEAR(StepRemainder(c.step, c.value), c.remainder, 1e-9) << c.step << " " << c.value;
    }
}

TEST(SnapFrequency, MovesDownToTheNearerRaster) {
    ExpectSnapCases();
}

TEST(StepRemainder, LeavesWhatWholeStepsDoNotTake) {
    ExpectRemainderCases();
}

// Once a Qt application has taken the user's locale, printf and strtod write and read a decimal
// comma; the rasters must not notice.
TEST(Rasters, IgnoreALocaleWithADecimalComma) {
    const test::DecimalCommaLocale locale;
    ASSERT_TRUE(locale.Active()) << test::kDecimalCommaLocale
                                 << " is missing; scripts/install-deps.sh generates it";
    ExpectSnapCases();
    ExpectRemainderCases();
    EXPECT_DOUBLE_EQ(Val("435.0123"), 435.0123);
    EXPECT_DOUBLE_EQ(Val("435,0123"), 435.0) << "a comma is not a decimal point here";
}

TEST(StepRemainder, StaysQuickAndBoundedForHugeValues) {
    // A typed value of many digits must not take one subtraction per step.
    const double remainder = StepRemainder(0.005, 99999999999.0012);
    EXPECT_GE(remainder, 0.0);
    EXPECT_LT(remainder, 0.005);
    EXPECT_GE(StepRemainder(0.005, 1e300), 0.0);
}

}  // namespace
}  // namespace qv
