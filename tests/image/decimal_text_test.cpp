#include "image/decimal_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/decimal_comma_locale.h"

namespace qv {
namespace {

TEST(IsPlainDecimal, DigitsWithAtMostOnePoint) {
    const struct {
        const char* text;
        bool plain;
    } cases[] = {
        {"435", true},   {"435.0123", true}, {"435.", true},   {".5", true},     {"0", true},
        {"", false},     {".", false},       {"4.3.5", false}, {"435..", false}, {"-435", false},
        {"+435", false}, {"1e3", false},     {" 435", false},  {"435 ", false},  {"435,5", false},
        {"435a", false}, {"４３５", false},  // full-width digits are not digits here
    };
    for (const auto& c : cases) EXPECT_EQ(IsPlainDecimal(c.text), c.plain) << c.text;
}

TEST(RoundDecimal, RoundsHalfAwayFromZeroOnTheTypedDigits) {
    const struct {
        const char* text;
        int decimals;
        const char* rounded;
    } cases[] = {
        {"435.0123", 5, "435.01230"},
        {"435", 5, "435.00000"},
        {"435.", 5, "435.00000"},
        {"0435.1", 5, "435.10000"},
        {".5", 1, "0.5"},
        {"000", 1, "0.0"},
        {"88", 1, "88.0"},
        {"88.85", 1, "88.9"},  // a double holds 88.85 as 88.8499..., the typed digits decide
        {"88.849", 1, "88.8"},
        {"99.95", 1, "100.0"},
        {"469.999996", 5, "470.00000"},
        {"9.9999999", 5, "10.00000"},
        {"435.000005", 5, "435.00001"},
        {"2.5", 0, "3"},
        {"4.3.5", 1, ""},
        {"abc", 5, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundDecimal(c.text, c.decimals), c.rounded) << c.text << " " << c.decimals;
    }
}

// A transmit frequency is the receive one plus or minus an offset, digit by digit: a double would
// turn 438.650000 - 7.600000 into 431.04999..., which the grid would round differently.
TEST(AddAndSubtractDecimal, AreExactOnTheDigits) {
    const struct {
        const char* a;
        const char* b;
        const char* sum;
        const char* difference;
    } cases[] = {
        {"438.650000", "7.600000", "446.250000", "431.050000"},
        {"435.125", "5", "440.125", "430.125"},
        {"5", "435.125", "440.125", "-430.125"},
        {"435.0000049999999999", "0.0000000000000001", "435.0000050000000000",
         "435.0000049999999998"},
        {"999.9", "0.1", "1000.0", "999.8"},
        {".5", ".25", "0.75", "0.25"},
        {"435.", "0", "435", "435"},
        {"0007", "3", "10", "4"},
        {"1", "1", "2", "0"},
        {"0.001", "0.002", "0.003", "-0.001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddDecimal(c.a, c.b), c.sum) << c.a << " + " << c.b;
        EXPECT_EQ(SubtractDecimal(c.a, c.b), c.difference) << c.a << " - " << c.b;
    }
    for (const char* bad : {"", "-1", "4,5", "1e3", " 1"}) {
        EXPECT_EQ(AddDecimal(bad, "1"), "") << bad;
        EXPECT_EQ(SubtractDecimal("1", bad), "") << bad;
    }
}

TEST(FixedText, WritesAPointWhateverTheLocale) {
    const test::DecimalCommaLocale locale;
    ASSERT_TRUE(locale.Active()) << test::kDecimalCommaLocale
                                 << " is missing; scripts/install-deps.sh generates it";
    EXPECT_EQ(FixedText(435.00625, 5), "435.00625");
    EXPECT_EQ(FixedText(469.995, 5), "469.99500");
    EXPECT_EQ(FixedText(88.0, 1), "88.0");
    EXPECT_EQ(RoundDecimal("435.0123", 5), "435.01230");
}

}  // namespace
}  // namespace qv
