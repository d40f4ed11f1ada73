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
