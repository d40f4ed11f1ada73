// Channel cells out as a table and in again through the rules of typing.
#include "rules/channels/grid_clipboard.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "image/image_test_support.h"
#include "rules/channels/grid_rules.h"
#include "support/sample_channels.h"

namespace qv {
namespace {

class GridClipboard : public test::StartedProgram {
  protected:
    void AddChannel(int row) { test::PutChineseChannel(state, row); }
    PasteOutcome Paste(int row, int column, std::string_view text,
                       Language cells = Language::Chinese) {
        return PasteCells(state, row, column, text, cells);
    }
};

// A copy holds the chosen cells and nothing else: an empty cell standing for one not chosen
// would delete or blank what it is pasted on.
TEST_F(GridClipboard, CopiedCellsFormATableOfTheirRowsAndColumnsOrNone) {
    AddChannel(3);
    AddChannel(4);
    AddChannel(7);
    const struct {
        const char* name;
        std::vector<GridCell> cells;
        std::optional<std::string> text;
    } cases[] = {
        {"one cell", {{3, 1}}, "435.12500\n"},
        {"a row's part", {{3, 1}, {3, 2}}, "435.12500\t67.0\n"},
        {"a block in any order",
         {{4, 2}, {3, 1}, {4, 1}, {3, 2}},
         "435.12500\t67.0\n435.12500\t67.0\n"},
        {"separate rows of a column", {{7, 1}, {3, 1}}, "435.12500\n435.12500\n"},
        {"separate columns of separate rows",
         {{3, 1}, {3, 3}, {7, 1}, {7, 3}},
         "435.12500\t436.12500\n435.12500\t436.12500\n"},
        {"a cell named twice", {{3, 2}, {3, 2}}, "67.0\n"},
        {"an empty channel's cell", {{5, 1}}, "\n"},
        {"a diagonal", {{4, 2}, {3, 1}}, std::nullopt},
        {"separate cells of separate rows and columns",
         {{3, 1}, {4, 3}, {7, 2}, {7, 4}},
         std::nullopt},
        {"a block with one cell more", {{3, 1}, {3, 2}, {4, 1}, {4, 2}, {7, 1}}, std::nullopt},
        {"nothing", {}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CopyCells(state, c.cells), c.text) << c.name;
}

TEST_F(GridClipboard, TablesSplitOnTabsAndEitherLineEnd) {
    using Table = std::vector<std::vector<std::string>>;
    EXPECT_EQ(SplitTable("a\tb\r\nc\n"), (Table{{"a", "b"}, {"c"}}));
    EXPECT_EQ(SplitTable("a\t\tb"), (Table{{"a", "", "b"}}));
    EXPECT_EQ(SplitTable("\n\n"), (Table{{""}, {""}}));
    EXPECT_EQ(SplitTable(""), Table{});
}

TEST_F(GridClipboard, AChannelCopiedWholePastesTheSameChannelElsewhere) {
    AddChannel(3);
    std::vector<GridCell> row;
    for (int column = 0; column < kGridColumns; ++column) row.push_back({3, column});
    const std::string copied = CopyCells(state, row).value_or("");
    // On the receive frequency or on the label: the labels fall on the label column either way.
    for (const int column : {0, 1}) {
        ClearNO(state, 9);
        const PasteOutcome pasted = Paste(9, column, copied);
        EXPECT_TRUE(pasted.refused.empty()) << column;
        EXPECT_EQ(pasted.changes, Changes(StatePart::Grid));
        for (int k = 1; k < kGridColumns; ++k) EXPECT_EQ(state.Grid1[9][k], state.Grid1[3][k]);
        EXPECT_EQ(state.ChannelFlags[9][kColTxTone], 51) << "the list position of a chosen code";
        EXPECT_EQ(state.Grid1[9][0], ChannelLabel(9)) << "labels stay";
    }
}

TEST_F(GridClipboard, EachCellPassesTheRuleTypingOrChoosingItWould) {
    const struct {
        const char* name;
        int column;
        const char* text;
        const char* cell;  // what the cell then shows; null: refused
        PasteRefusal reason;
    } cases[] = {
        {"a frequency onto the raster", 3, "435.1237", "435.12000", {}},
        {"a frequency with blanks", 1, " 440 ", "440.00000", {}},
        {"a frequency out of the band", 3, "145.5", nullptr, PasteRefusal::OutOfBand},
        {"not a frequency", 1, "4x5", nullptr, PasteRefusal::NotANumber},
        {"a tone of the list", 2, "88.5", "88.5", {}},
        {"a code of the list", 4, "D754I", "D754I", {}},
        {"a typed tone", 2, "100", "100.0", {}},
        {"a tone out of range", 2, "300", nullptr, PasteRefusal::NotAnItem},
        {"a code the radio lacks", 2, "D999N", nullptr, PasteRefusal::NotAnItem},
        {"a list item", 5, "高", "高", {}},
        {"a list item in English", 7, "Wide", "宽带", {}},
        {"no item of the list", 8, "maybe", nullptr, PasteRefusal::NotAnItem},
        {"past the last column", 9, "x", nullptr, PasteRefusal::PastLastColumn},
    };
    for (const auto& c : cases) {
        AddChannel(3);
        const auto before = state.Grid1[3];
        const PasteOutcome pasted = Paste(3, c.column, c.text);
        if (c.cell != nullptr) {
            EXPECT_TRUE(pasted.refused.empty()) << c.name;
            EXPECT_EQ(state.Grid1[3][c.column], c.cell) << c.name;
        } else {
            ASSERT_EQ(pasted.refused.size(), 1u) << c.name;
            EXPECT_EQ(pasted.refused[0].reason, c.reason) << c.name;
            EXPECT_EQ(pasted.refused[0].text, c.text) << c.name;
            EXPECT_EQ(state.Grid1[3], before) << c.name << ": the channel stays";
        }
    }
}

TEST_F(GridClipboard, AnEmptyReceiveFrequencyDeletesAndANewOneStartsAChannel) {
    AddChannel(3);
    const PasteOutcome deleted = Paste(3, 1, "\t高\n");
    EXPECT_FALSE(ChannelInUse(state, 3)) << "as emptying the cell by typing";
    EXPECT_EQ(deleted.deleted, std::vector<int>{3}) << "named in the outcome";
    ASSERT_EQ(deleted.refused.size(), 1u) << "nothing lands on a deleted channel";
    EXPECT_EQ(deleted.refused[0].reason, PasteRefusal::EmptyChannel);

    const PasteOutcome started = Paste(3, 1, "440\t\t\t\t低\n");
    EXPECT_TRUE(started.refused.empty()) << "an empty cell leaves its cell as it is";
    EXPECT_TRUE(started.deleted.empty());
    EXPECT_EQ(state.Grid1[3][kColTxFrequency], "440.00000") << "as a typed channel starts";
    EXPECT_EQ(state.Grid1[3][kColPower], "低") << "the cells after it land on the new channel";

    const PasteOutcome onEmpty = Paste(6, 2, "88.5");
    ASSERT_EQ(onEmpty.refused.size(), 1u);
    EXPECT_EQ(onEmpty.refused[0].reason, PasteRefusal::EmptyChannel);
    EXPECT_TRUE(onEmpty.changes.Empty());
}

// Blank cells from a spreadsheet delete the channels in use they land on, and only those count.
TEST_F(GridClipboard, EveryChannelAPasteDeletesIsNamed) {
    AddChannel(5);
    AddChannel(6);
    AddChannel(8);
    const PasteOutcome pasted = Paste(5, 1, "\n\n\n\t\n");
    EXPECT_EQ(pasted.deleted, (std::vector<int>{5, 6, 8})) << "channel 7 was empty already";
    EXPECT_TRUE(pasted.refused.empty());
    EXPECT_EQ(pasted.changes, Changes(StatePart::Grid));
    for (const int row : {5, 6, 7, 8}) EXPECT_FALSE(ChannelInUse(state, row)) << row;

    AddChannel(5);
    const PasteOutcome transmit = Paste(5, kColTxFrequency, "\n");
    EXPECT_TRUE(transmit.deleted.empty()) << "an empty transmit frequency deletes nothing";
    EXPECT_TRUE(ChannelInUse(state, 5));
}

TEST_F(GridClipboard, RowsBelowTheLastChannelAreRefusedAndNamed) {
    const PasteOutcome pasted = Paste(48, 1, "440\n441\n", Language::English);
    EXPECT_EQ(state.Grid1[48][kColRxFrequency], "440.00000");
    ASSERT_EQ(pasted.refused.size(), 1u);
    EXPECT_EQ(pasted.refused[0].cell, (GridCell{49, 1}));
    EXPECT_EQ(DescribeRefusal(pasted.refused[0], Language::English),
              "49 RX frequency \"441\": past the last channel (48)");
    EXPECT_EQ(DescribeRefusal(pasted.refused[0], Language::Chinese),
              "49 接收频率“441”：超出最后一个信道（48）");
}

}  // namespace
}  // namespace qv
