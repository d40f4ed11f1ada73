// What a station gives each radio: patterns with a counter, a roster checked whole before the
// start, and the values handed out so that only a radio written uses one up.
#include "rules/station/radio_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/station/line_pattern.h"
#include "rules/station/roster.h"

namespace qv {
namespace {

std::vector<std::string> Describe(const std::vector<ValuesProblem>& problems) {
    std::vector<std::string> texts;
    for (const ValuesProblem& problem : problems) {
        texts.push_back(DescribeValuesProblem(problem, Language::English));
    }
    return texts;
}

TEST(LinePattern, TheCounterStandsWhereThePatternNamesIt) {
    const struct {
        const char* pattern;
        long long number;
        const char* text;
    } cases[] = {
        {"UNIT {n}", 7, "UNIT 7"},
        {"UNIT {n:03}", 7, "UNIT 007"},
        {"UNIT {n:03}", 1234, "UNIT 1234"},  // wider than the padding: every digit
        {"{n:01}", 0, "0"},
        {"{n}-{n:02}", 5, "5-05"},
        {"{{n}} {n}", 3, "{n} 3"},
        {"A}}B{{", 1, "A}B{"},
        {"NO COUNTER", 9, "NO COUNTER"},
        {"", 1, ""},
        {"信{n}", 2, "信2"},
    };
    for (const auto& c : cases) {
        PatternProblem problem;
        const std::optional<LinePattern> pattern = LinePattern::Parse(c.pattern, &problem);
        ASSERT_TRUE(pattern) << c.pattern;
        EXPECT_EQ(pattern->Text(c.number), c.text) << c.pattern;
    }
    EXPECT_TRUE(LinePattern::Parse("A{n}", nullptr)->Numbered());
    EXPECT_FALSE(LinePattern::Parse("A{{n}}", nullptr)->Numbered());
}

TEST(LinePattern, AnythingElseInBracesIsRefusedWhereItStands) {
    using Kind = PatternProblem::Kind;
    const struct {
        const char* pattern;
        PatternProblem problem;
    } cases[] = {
        {"UNIT {n", {Kind::BraceNotClosed, 6, ""}},
        {"UNIT {N}", {Kind::UnknownPlaceholder, 6, "{N}"}},
        {"{n:3}", {Kind::UnknownPlaceholder, 1, "{n:3}"}},
        {"{n:00}", {Kind::UnknownPlaceholder, 1, "{n:00}"}},
        {"{n:033}", {Kind::UnknownPlaceholder, 1, "{n:033}"}},  // wider than a line
        {"{n:0x}", {Kind::UnknownPlaceholder, 1, "{n:0x}"}},
        {"{}", {Kind::UnknownPlaceholder, 1, "{}"}},
        {"信息 {x}", {Kind::UnknownPlaceholder, 4, "{x}"}},  // counted in characters
        {"A}B", {Kind::LoneClosingBrace, 2, ""}},
        {"{n}}", {Kind::LoneClosingBrace, 4, ""}},
    };
    for (const auto& c : cases) {
        PatternProblem problem;
        EXPECT_FALSE(LinePattern::Parse(c.pattern, &problem)) << c.pattern;
        EXPECT_EQ(problem, c.problem) << c.pattern;
    }
}

TEST(Roster, ReadsLinesByColumnNameInAnyOrderAndCase) {
    const RosterRead read = ReadRoster(
        "\xEF\xBB\xBFowner;LINE2;Line1\r\n"
        "Fire dept;CH 1;UNIT 1\r\n"
        "\r\n"
        "\"Police; east\";\"say \"\"hi\"\"\";UNIT 2\r\n"
        "short\r\n");
    ASSERT_TRUE(read.roster) << testing::PrintToString(Describe(read.problems));
    const Roster& roster = *read.roster;
    EXPECT_TRUE(roster.hasColumn[0]);
    EXPECT_TRUE(roster.hasColumn[1]);
    ASSERT_EQ(roster.rows.size(), 3u);
    EXPECT_EQ(roster.rows[0].fileLine, 2);
    EXPECT_EQ(roster.rows[0].lines[0], "UNIT 1");
    EXPECT_EQ(roster.rows[0].lines[1], "CH 1");
    EXPECT_EQ(roster.rows[1].fileLine, 4);
    EXPECT_EQ(roster.rows[1].lines[1], "say \"hi\"");
    EXPECT_EQ(roster.rows[2].lines[0], "") << "a missing cell is an empty line";
    const RosterRead one = ReadRoster("line2\nA\n");
    ASSERT_TRUE(one.roster);
    EXPECT_FALSE(one.roster->hasColumn[0]);
    EXPECT_FALSE(one.roster->rows[0].lines[0].has_value());
}

// The whole roster is checked before a radio is programmed; every row the radio cannot hold is
// named by its line, not only the first.
TEST(Roster, IsRefusedWholeWithEveryReasonAndItsLine) {
    const std::string tooLong(33, 'X');
    const struct {
        std::string csv;
        std::vector<std::string> problems;
    } cases[] = {
        {"",
         {"the roster is empty: its first row names the columns (line1 and/or line2), then a "
          "row follows for each radio"}},
        {"name,owner\nA,B\n",
         {"the roster's first row names neither a column line1 nor a column line2"}},
        {"line1,Line1\nA,B\n", {"the roster's first row names the column line1 twice"}},
        {"line1\n", {"the roster names its columns but has no row for a radio"}},
        {"line1,line2\nOK,fine\n" + tooLong + ",B\nC,\"a\nb\"\n",
         {"roster line 3, line1: \"" + tooLong + "\" has 33 characters; a line holds 32",
          "roster line 4, line2: \"a\\x0Ab\" holds characters the radio cannot store: \\x0A"}},
        {"line1\n信息\n",
         {"roster line 2, line1: \"信息\" holds characters the radio cannot "
          "store: 信息"}},
        {"line1\n\"A\"B\n",
         {"roster line 2: a double quote out of place, so where its cells end "
          "is not certain"}},
        {std::string("\xFF\xFEl\0i\0n\0e\0001\0", 12),
         {"the roster is written in UTF-16 LE: save it as CSV in UTF-8"}},
    };
    for (const auto& c : cases) {
        const RosterRead read = ReadRoster(c.csv);
        EXPECT_FALSE(read.roster) << c.csv;
        EXPECT_EQ(Describe(read.problems), c.problems) << c.csv;
    }
    const RosterRead missing = ReadRosterFile("/nonexistent/roster.csv");
    ASSERT_EQ(missing.problems.size(), 1u);
    EXPECT_EQ(missing.problems[0].fault, ValuesFault::RosterUnreadable);
    EXPECT_TRUE(DescribeValuesProblem(missing.problems[0], Language::Chinese)
                    .starts_with("名单文件 /nonexistent/roster.csv："));
}

TEST(RadioValues, EachValueTakesTheCounterAndTheRosterRowOfItsPlace) {
    RadioValuesChoice choice;
    choice.patterns = {"", "UNIT {n:03}"};
    choice.first = 9;
    choice.roster = ReadRoster("line1\nANNA\nBOB\n").roster;
    std::vector<ValuesProblem> problems;
    const std::optional<RadioValues> values = RadioValues::Make(choice, std::nullopt, problems);
    ASSERT_TRUE(values) << testing::PrintToString(Describe(problems));
    EXPECT_TRUE(values->Vary());
    EXPECT_EQ(values->At(0), (RadioLines{"ANNA", "UNIT 009"}));
    EXPECT_EQ(values->At(1), (RadioLines{"BOB", "UNIT 010"}));
    EXPECT_FALSE(values->At(2)) << "the roster has two rows";
    EXPECT_FALSE(values->MissingBecause(2)) << "a roster used up is no problem of a value";

    EXPECT_FALSE(RadioValues().Vary());
    EXPECT_EQ(RadioValues().At(1000), (RadioLines{})) << "the set-up's own lines, for ever";
}

TEST(RadioValues, AChoiceIsCheckedWholeBeforeTheStart) {
    const std::string thirty(30, 'A');
    const struct {
        std::array<std::string, 2> patterns;
        const char* roster;
        long long first;
        std::optional<int> count;
        std::vector<std::string> problems;
    } cases[] = {
        {{"UNIT {n", "{x}"},
         nullptr,
         1,
         std::nullopt,
         {"the pattern of line 1: the \"{\" at character 6 is never closed",
          "the pattern of line 2: {x} at character 1 is no counter: write {n}, or {n:03} for "
          "three digits with zeros in front; {{ and }} stand for the braces themselves"}},
        {{"A {n}", ""},
         "line1\nX\n",
         1,
         std::nullopt,
         {"line 1 is given both by a pattern and by the roster's column line1: choose one"}},
        {{thirty + "{n}", ""},
         nullptr,
         100,
         std::nullopt,
         {"line 1 with the number 100: \"" + thirty +
          "100\" has 33 characters; a line holds "
          "32"}},
        // The last radio of a count is checked as well as the first.
        {{thirty + "{n}", ""},
         nullptr,
         1,
         100,
         {"line 1 with the number 100: \"" + thirty +
          "100\" has 33 characters; a line holds "
          "32"}},
        {{thirty + "{n}", ""}, nullptr, 1, 99, {}},
        {{"é{n}", "ÿ{n}"},
         nullptr,
         1,
         std::nullopt,
         {"line 2 with the number 1: \"ÿ1\" holds characters the radio cannot store: ÿ"}},
    };
    for (const auto& c : cases) {
        RadioValuesChoice choice;
        choice.patterns = c.patterns;
        choice.first = c.first;
        if (c.roster != nullptr) choice.roster = ReadRoster(c.roster).roster;
        std::vector<ValuesProblem> problems;
        const std::optional<RadioValues> values = RadioValues::Make(choice, c.count, problems);
        EXPECT_EQ(values.has_value(), c.problems.empty()) << c.patterns[0] << c.patterns[1];
        EXPECT_EQ(Describe(problems), c.problems) << c.patterns[0] << c.patterns[1];
    }
}

TEST(RadioValues, ACounterThatOutgrowsItsLineIsUsedUpAndSaysWhy) {
    RadioValuesChoice choice;
    choice.patterns = {std::string(30, 'A') + "{n}", ""};
    choice.first = 98;
    std::vector<ValuesProblem> problems;
    const std::optional<RadioValues> values = RadioValues::Make(choice, std::nullopt, problems);
    ASSERT_TRUE(values);
    EXPECT_TRUE(values->At(1));
    EXPECT_FALSE(values->At(2));
    ASSERT_TRUE(values->MissingBecause(2));
    EXPECT_EQ(values->MissingBecause(2)->number, 100);
}

// Radios on several ports hold values at the same time; a value comes back when its radio is not
// written, and the next radio to arrive takes it before any new one.
TEST(ValuesCursor, OnlyAWrittenRadioUsesItsValueUp) {
    RadioValuesChoice choice;
    choice.roster = ReadRoster("line1\nR1\nR2\nR3\n").roster;
    std::vector<ValuesProblem> problems;
    ValuesCursor cursor(*RadioValues::Make(choice, std::nullopt, problems));

    const auto first = cursor.Take();
    const auto second = cursor.Take();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->lines[0], "R1");
    EXPECT_EQ(second->lines[0], "R2");
    cursor.GiveBack(first->index);  // the first radio failed
    const auto third = cursor.Take();
    ASSERT_TRUE(third);
    EXPECT_EQ(third->lines[0], "R1") << "a failed radio's values go to the next radio";
    cursor.Written(second->index);
    cursor.Written(third->index);
    const auto fourth = cursor.Take();
    ASSERT_TRUE(fourth);
    EXPECT_EQ(fourth->lines[0], "R3");
    EXPECT_FALSE(cursor.Take()) << "every row is held or used";
    EXPECT_FALSE(cursor.UsedUp()) << "R3's radio may still fail";
    cursor.GiveBack(fourth->index);
    EXPECT_FALSE(cursor.UsedUp());
    const auto fifth = cursor.Take();
    ASSERT_TRUE(fifth);
    EXPECT_EQ(fifth->lines[0], "R3");
    cursor.Written(fifth->index);
    EXPECT_TRUE(cursor.UsedUp());
    EXPECT_EQ(cursor.WrittenCount(), 3u);
    EXPECT_EQ(cursor.End(), 3u);
}

TEST(ValuesCursor, WithoutPerRadioValuesEveryRadioGetsTheSetUpsLines) {
    ValuesCursor cursor;
    for (int radio = 0; radio < 5; ++radio) {
        const auto taken = cursor.Take();
        ASSERT_TRUE(taken);
        EXPECT_EQ(taken->lines, RadioLines{});
        cursor.Written(taken->index);
    }
    EXPECT_FALSE(cursor.UsedUp());
}

TEST(RadioValues, LinesGoIntoTheSetUpWhereGiven) {
    qv::Setup setup;
    setup.EmbeddedInfo = {"OWN 1", "OWN 2"};
    ApplyRadioLines(setup, {std::nullopt, "UNIT 7"});
    EXPECT_EQ(setup.EmbeddedInfo[0], "OWN 1");
    EXPECT_EQ(setup.EmbeddedInfo[1], "UNIT 7");
    EXPECT_EQ(setup.Form7.Text2, "UNIT 7");
}

}  // namespace
}  // namespace qv
