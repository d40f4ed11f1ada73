// Typing into the embedded-information boxes: 32 characters by typing, any length by pasting, and
// the note for characters the radio cannot store.
#include "rules/dialogs/embedded_info_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "image/image_test_support.h"
#include "image/text.h"

namespace qv {
namespace {

std::string Repeat(const std::string& character, int times) {
    std::string text;
    for (int k = 0; k < times; ++k) text += character;
    return text;
}

TEST(EmbeddedInfoTyping, KeysStopAtThirtyTwoCharactersExceptBackspaceAndOverASelection) {
    const struct {
        int characters;
        TypedKey key;
        bool selected;
        bool accepted;
    } cases[] = {
        {0, TypedKey::Character, false, true},   {31, TypedKey::Character, false, true},
        {32, TypedKey::Character, false, false}, {32, TypedKey::Character, true, true},
        {32, TypedKey::Backspace, false, true},  {33, TypedKey::Character, false, false},
        {40, TypedKey::Backspace, false, true},  {40, TypedKey::Character, true, true},
        {0, TypedKey::Backspace, false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EmbeddedInfoKeyAccepted(std::string(static_cast<std::size_t>(c.characters), 'a'),
                                          c.key, c.selected),
                  c.accepted)
            << c.characters << " characters, " << (c.key == TypedKey::Backspace ? "Backspace" : "a")
            << (c.selected ? ", selection" : "");
    }
}

TEST(EmbeddedInfoTyping, CountsCharactersNotBytes) {
    const std::string e = "\xC3\xA9";            // é, two bytes
    const std::string chinese = "\xE4\xBF\xA1";  // 信, three bytes
    EXPECT_TRUE(EmbeddedInfoKeyAccepted(Repeat(e, 31), TypedKey::Character, false));
    EXPECT_FALSE(EmbeddedInfoKeyAccepted(Repeat(e, 32), TypedKey::Character, false));
    EXPECT_TRUE(EmbeddedInfoKeyAccepted(Repeat(chinese, 31), TypedKey::Character, false));
    EXPECT_FALSE(EmbeddedInfoKeyAccepted(Repeat(chinese, 32), TypedKey::Character, false));
}

TEST(EmbeddedInfoRefusals, TheNoteNamesTheRefusedCharactersOnceAndNotAllOfAFlood) {
    const std::string twelve = "一二三四五六七八九十百千";
    const struct {
        std::string refused;
        Language language;
        std::string note;
    } cases[] = {
        {"信息", Language::Chinese, "对讲机无法存储这些字符，已略去：“信息”"},
        {"信\xC3\xBF", Language::English,
         "The radio cannot store these characters; left out: \"信\xC3\xBF\""},
        {twelve, Language::English,
         "The radio cannot store these characters; left out: \"" + twelve + "\""},
        {twelve + "万", Language::Chinese, "对讲机无法存储这些字符，已略去：“" + twelve + "”…"},
        {"\xF0\x9F\x98\x80", Language::English,
         "The radio cannot store these characters; left out: \"\xF0\x9F\x98\x80\""},
    };
    for (const auto& c : cases) EXPECT_EQ(RefusedCharactersNote(c.refused, c.language), c.note);
    // A pasted line with a character refused three times names it once.
    EXPECT_EQ(RefusedCharactersNote(SplitStorable("信A信B信").refused, Language::Chinese),
              "对讲机无法存储这些字符，已略去：“信”");
}

using EmbeddedInfoBoxes = test::StartedProgram;

TEST_F(EmbeddedInfoBoxes, BoxesAreAWorkingCopyUntilOk) {
    EXPECT_EQ(EditEmbeddedInfo(state, 0, "ABC"), Changes(StatePart::Form7));
    EXPECT_EQ(EditEmbeddedInfo(state, 1, "line 2"), Changes(StatePart::Form7));
    EXPECT_TRUE(EditEmbeddedInfo(state, 1, "line 2").Empty()) << "nothing new";
    EXPECT_TRUE(EditEmbeddedInfo(state, 2, "no such box").Empty());
    EXPECT_EQ(state.Form7.Text1, "ABC");
    EXPECT_EQ(state.Form7.Text2, "line 2");
    EXPECT_EQ(state.EmbeddedInfo[0], "");

    StoreEmbeddedInfo(state);
    EXPECT_EQ(state.EmbeddedInfo[0], "ABC");
    EXPECT_EQ(state.EmbeddedInfo[1], "line 2");
    EXPECT_EQ(EncodedAt(0x2F0, 4), "414243FF");
}

// A pasted line longer than the field is held whole; the image takes its first 32 characters, and
// a character without a single-byte code as '?', so the field keeps its size.
TEST_F(EmbeddedInfoBoxes, APastedLongLineIsHeldWholeAndTheImageKeepsItsSize) {
    const std::string pasted = Repeat("0123456789", 4);
    EditEmbeddedInfo(state, 0, pasted);
    EditEmbeddedInfo(state, 1,
                     "\xE4\xBF\xA1"
                     "A");
    StoreEmbeddedInfo(state);
    EXPECT_EQ(state.EmbeddedInfo[0], pasted);

    const ImageBytes image = EncodeImage(state);
    EXPECT_EQ(image.size(), 1520u);
    EXPECT_EQ(BytesAt(image, 0x2F0, 32),
              HexText(std::span(reinterpret_cast<const std::uint8_t*>(pasted.data()), 32)));
    EXPECT_EQ(BytesAt(image, 0x310, 3), "3F41FF");
}

// A line that does not come from the boxes (a station's roster, a counter) goes into the radio
// whole or not at all: too long, a character the radio cannot store, or a control character that
// would break the radio's one line, and it is refused with what is wrong.
TEST(EmbeddedLineCheck, ALineFitsWholeOrIsRefusedWithWhatIsWrong) {
    const struct {
        std::string text;
        std::size_t characters;  // 0: the line fits
        std::string refused;
    } cases[] = {
        {"", 0, ""},
        {Repeat("a", 32), 0, ""},
        {Repeat("\xC3\xA9", 32), 0, ""},  // é is one character and one byte for the radio
        {Repeat("a", 33), 33, ""},
        {"UNIT\t7", 6, "\t"},
        {"A\nB\r\nC", 6, "\n\r"},
        {"\x7F", 1, "\x7F"},
        {"\xC2\x85", 1, "\xC2\x85"},  // NEL, a C1 control
        {"信息 ÿ", 4, "信息ÿ"},
    };
    for (const auto& c : cases) {
        const std::optional<EmbeddedLineFault> fault = CheckEmbeddedLine(c.text);
        EXPECT_EQ(fault.has_value(), c.characters != 0) << c.text;
        if (!fault) continue;
        EXPECT_EQ(fault->characters, c.characters) << c.text;
        EXPECT_EQ(fault->refused, c.refused) << c.text;
        EXPECT_EQ(fault->TooLong(), c.characters > 32) << c.text;
    }
}

}  // namespace
}  // namespace qv
