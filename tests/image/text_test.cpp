#include "image/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "state/status.h"

namespace qv {
namespace {

TEST(Val, ReadsTheLeadingNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"435.0123abc", 435.0123},
        {"  88", 88.0},
        {"-5.5", -5.5},
        {".5", 0.5},
        {"abc", 0.0},
        {"", 0.0},
        {"1e3", 1.0},
        {"+7", 7.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << c.text;
    EXPECT_EQ(Val(std::string(400, '9')), HUGE_VAL) << "too large for a double is infinite";
}

TEST(ValInt, CutsTheFractionAndHoldsHugeNumbersAtTheEnds) {
    const struct {
        std::string text;
        int value;
    } cases[] = {
        {"7.9", 7},
        {"-7.9", -7},
        {"2147483647", INT_MAX},
        {"99999999999999999999", INT_MAX},
        {"-99999999999999999999", INT_MIN},
        {std::string(400, '9'), INT_MAX},
        {"x", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ValInt(c.text), c.value) << c.text;
}

TEST(ToLatin1, GivesOneByteForEveryCharacter) {
    const struct {
        const char* what;
        std::string utf8;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"ASCII", "Ab1", {'A', 'b', '1'}},
        {"Latin-1 letters", "\xC3\x84\xC3\xBF", {0xC4, 0xFF}},
        {"Chinese has no single byte", "\xE4\xBB\xB7", {'?'}},
        {"overlong A", "\xC1\x81", {'?'}},
        {"overlong slash", "\xE0\x80\xAF", {'?'}},
        {"surrogate", "\xED\xA0\x80", {'?'}},
        {"stray continuation",
         "\x80"
         "A",
         {'?', 'A'}},
        {"cut off at the end", "A\xC3", {'A', '?'}},
        {"broken in the middle",
         "\xC3"
         "A",
         {'?', 'A'}},
    };
    for (const auto& c : cases) EXPECT_EQ(ToLatin1(c.utf8), c.bytes) << c.what;
}

TEST(FitsField, SaysWhetherATextReachesTheRadioAsTyped) {
    const struct {
        std::string text;
        std::size_t field;
        bool fits;
    } cases[] = {
        {"", 0, true},
        {std::string(32, 'x'), 32, true},
        {std::string(33, 'x'), 32, false},
        {"\xC3\x84\xC3\x96", 2, true},  // two characters of four bytes
        {"\xE4\xBB\xB7", 32, false},    // no single-byte code
        {"\xC1\x81", 32, false},        // overlong form of "A"
        {"A\xC3", 32, false},           // broken sequence
        {"\xC3\xBF", 32, false},        // ÿ is 0xFF, "no character" to the radio
    };
    for (const auto& c : cases) EXPECT_EQ(FitsField(c.text, c.field), c.fits) << c.text;
}

TEST(RadioStoresCharacter, KeepsTheCodesOfOneByteButTheNoCharacterByte) {
    const struct {
        char32_t code;
        bool stored;
    } cases[] = {
        {U'A', true},       {U'\0', true},      {U'\x1B', true},     {U'~', true},
        {U'\x7F', true},    {U'\x80', true},    {U'\xE9', true},     {U'\xFE', true},
        {U'\xFF', false},   {U'\x100', false},  {U'\x20AC', false},  {U'\x4FE1', false},
        {U'\x3000', false}, {U'\xFFFD', false}, {U'\x1F600', false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RadioStoresCharacter(c.code), c.stored) << std::hex << "U+" << +c.code;
    }
}

TEST(SplitStorable, KeepsWhatTheRadioStoresAndNamesEveryOtherCharacterOnce) {
    const struct {
        const char* what;
        std::string text;
        std::string kept;
        std::string refused;
    } cases[] = {
        {"empty", "", "", ""},
        {"all kept", "Caf\xC3\xA9 42!", "Caf\xC3\xA9 42!", ""},
        {"control characters are single bytes", "\x1B[2J\t", "\x1B[2J\t", ""},
        {"Chinese", "\xE4\xBF\xA1\xE6\x81\xAF", "", "\xE4\xBF\xA1\xE6\x81\xAF"},
        {"mixed, in order",
         "A\xE4\xBF\xA1"
         "B\xC3\xBF"
         "C",
         "ABC", "\xE4\xBF\xA1\xC3\xBF"},
        {"each refused character once",
         "\xE4\xBF\xA1"
         "a\xE4\xBF\xA1"
         "b\xE2\x82\xAC\xE4\xBF\xA1",
         "ab", "\xE4\xBF\xA1\xE2\x82\xAC"},
        {"a character beyond 16 bits", "x\xF0\x9F\x98\x80y", "xy", "\xF0\x9F\x98\x80"},
        {"a broken sequence", "A\xC3", "A", "\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        const StorableSplit split = SplitStorable(c.text);
        EXPECT_EQ(split.kept, c.kept) << c.what;
        EXPECT_EQ(split.refused, c.refused) << c.what;
        EXPECT_TRUE(FitsField(split.kept, split.kept.size())) << c.what;
    }
}

TEST(ShownText, MendsBrokenSequencesAndCutsLongTexts) {
    const struct {
        std::string text;
        std::size_t maxChars;
        std::string shown;
    } cases[] = {
        {"G1-01", 40, "G1-01"},
        {"\xE4\xB8\xAD\xE7\xBB\xA7", 40, "\xE4\xB8\xAD\xE7\xBB\xA7"},  // 中继 stays
        {"a\xFF"
         "b",
         40,
         "a\xEF\xBF\xBD"
         "b"},                             // a stray byte: U+FFFD
        {"\xC1\x81", 40, "\xEF\xBF\xBD"},  // an overlong "A": one broken sequence
        {"abcdef", 3, "abc\xE2\x80\xA6"},  // cut, with "…"
        {"abc", 3, "abc"},
        {"\xE4\xB8\xAD\xE7\xBB\xA7\xE5\x8F\xB0", 2, "\xE4\xB8\xAD\xE7\xBB\xA7\xE2\x80\xA6"},
        {"", 3, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ShownText(c.text, c.maxChars), c.shown) << c.text;
}

TEST(Status, SuccessCarriesNoMessage) {
    EXPECT_TRUE(Status::Ok().ok());
    EXPECT_FALSE(Status::Ok().message().has_value());
    EXPECT_EQ(Status::Ok().Describe(Language::English), "");
    const Status refused = Status::Refused(MessageId::WrongFileType, "x.DAT");
    EXPECT_EQ(refused.message(), MessageId::WrongFileType);
    EXPECT_EQ(refused.Describe(Language::English), "Document type not to open. (x.DAT)");
}

}  // namespace
}  // namespace qv
