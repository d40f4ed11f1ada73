// Editing the channel grid cell by cell: which editor opens, and what a typed or chosen value must
// pass before it lands in a cell. Also the whole-row operations on ChannelFlags.
#include "rules/channels/grid_editing.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "i18n/msgbox.h"
#include "image/image_test_support.h"
#include "rules/channels/grid_rules.h"
#include "rules/program/language_rules.h"
#include "state/bands.h"
#include "support/decimal_comma_locale.h"
#include "support/sample_channels.h"

namespace qv {
namespace {

using Row = std::array<std::string, kGridColumns>;
using Flags = std::array<int, 12>;

class GridEditing : public test::StartedProgram {
  protected:
    // A channel on `row` as a decoded radio would show it.
    void AddChannel(int row) { test::PutChineseChannel(state, row); }
    Row Cells(int row) const { return state.Grid1[row]; }
    // Text typed into the frequency editor opened on (row, column).
    FrequencyCommit Type(int row, int column, const std::string& text) {
        return CommitFrequency(state, host, {row, column}, text);
    }
    // A fresh channel whose receive and transmit frequency are `frequency`.
    Row NewChannel(int row, const std::string& frequency, Language language) const {
        if (language == Language::English) {
            return {state.Grid1[row][0],
                    frequency,
                    "Off",
                    frequency,
                    "Off",
                    "Hight",
                    "Off",
                    "Wide",
                    "Have"};
        }
        return {
            state.Grid1[row][0], frequency, "关闭", frequency, "关闭", "高", "关闭", "宽带", "有"};
    }
};

TEST_F(GridEditing, ACellOpensTheEditorOfItsColumnAndAnEmptyRowItsReceiveCell) {
    AddChannel(5);
    const struct {
        int row;
        int column;
        CellEditor editor;
        int editCol;
    } cases[] = {
        {5, 0, CellEditor::None, 0},       {5, 1, CellEditor::Frequency, 1},
        {5, 2, CellEditor::Tone, 2},       {5, 3, CellEditor::Frequency, 3},
        {5, 4, CellEditor::Tone, 4},       {5, 5, CellEditor::List, 5},
        {5, 6, CellEditor::List, 6},       {5, 7, CellEditor::List, 7},
        {5, 8, CellEditor::List, 8},       {6, 0, CellEditor::Frequency, 1},
        {6, 4, CellEditor::Frequency, 1},  {6, 8, CellEditor::Frequency, 1},
        {48, 3, CellEditor::Frequency, 1},
    };
    for (const auto& c : cases) {
        GridEdit edit;
        EXPECT_EQ(OpenCellEditor(state, edit, c.row, c.column), c.editor)
            << c.row << "," << c.column;
        EXPECT_EQ(edit.EditRow, c.row);
        EXPECT_EQ(edit.EditCol, c.editCol) << c.row << "," << c.column;
    }
    for (const int outside : {0, 49, -1}) {
        GridEdit edit{7, 2};
        EXPECT_EQ(OpenCellEditor(state, edit, outside, 1), CellEditor::None);
        EXPECT_EQ(edit.EditRow, 7) << "the last opened cell stays";
    }
}

// A cell the grid may open an editor on is exactly a cell whose own editor a press opens: the
// grid's view relies on it to open the editor the press asked for.
TEST_F(GridEditing, ACellIsEditableWhenAPressOnItOpensItsOwnEditor) {
    AddChannel(5);
    for (const int row : {0, 1, 5, 6, 48, 49}) {
        for (int column = -1; column <= kGridColumns; ++column) {
            GridEdit edit;
            const bool opensItself = OpenCellEditor(state, edit, row, column) != CellEditor::None &&
                                     edit.EditRow == row && edit.EditCol == column;
            EXPECT_EQ(ChannelCellEditable(state, row, column), opensItself) << row << "," << column;
        }
    }
    EXPECT_TRUE(ChannelCellEditable(state, 6, kColRxFrequency)) << "an empty channel's receive";
    EXPECT_FALSE(ChannelCellEditable(state, 6, kColTxFrequency));
}

TEST_F(GridEditing, ListsOpenAtTheCellsItem) {
    AddChannel(5);
    const struct {
        const char* tone;
        int position;
    } tones[] = {{"67.0", 1},    {"88.5", 9},    {"254.1", 50},  {"D023N", 51},
                 {"D754N", 155}, {"D023I", 156}, {"D754I", 260}, {"关闭", 0},
                 {"Off", 0},     {"88.0", -1},   {"76.8", -1},   {"", -1}};
    for (const auto& t : tones) {
        state.Grid1[5][kColTxTone] = t.tone;
        EXPECT_EQ(OpeningPosition(state, {5, kColTxTone}), t.position) << t.tone;
    }
    state.ChannelFlags[5][kColBusyLockout] = 1;
    state.ChannelFlags[5][kColScan] = 0;
    EXPECT_EQ(OpeningPosition(state, {5, kColBusyLockout}), 1);
    EXPECT_EQ(OpeningPosition(state, {5, kColScan}), 0);
}

TEST_F(GridEditing, AFrequencyTypedIntoAnEmptyRowStartsAChannelOnTheRaster) {
    const struct {
        const char* typed;
        const char* cell;
    } cases[] = {
        {"435.0123", "435.01000"},   // 5 kHz point below is nearer than the 6.25 kHz one
        {"469.99999", "469.99500"},  // 469.99500 is nearer than 469.99375
        {"435.007", "435.00625"},   {"435.0125", "435.01250"},  // on the 6.25 kHz raster: stays
        {"400", "400.00000"},                                   // the lower limit is inclusive
        {"435", "435.00000"},       {"435.", "435.00000"},
        {"0435.1", "435.10000"},    {" 435.125 ", "435.12500"},  // pasted with blanks around it
    };
    for (const auto& c : cases) {
        ClearNO(state, 3);
        const FrequencyCommit commit = Type(3, kColRxFrequency, c.typed);
        EXPECT_EQ(commit.changes, Changes(StatePart::Grid)) << c.typed;
        EXPECT_FALSE(commit.outOfBand);
        EXPECT_EQ(Cells(3), NewChannel(3, c.cell, Language::Chinese)) << c.typed;
        EXPECT_EQ(state.ChannelFlags[3], (Flags{0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0, 0})) << c.typed;
    }
    EXPECT_TRUE(host.shown.empty());
}

TEST_F(GridEditing, ANewChannelReadsInTheLanguageShown) {
    state.LanguageIsEnglish = 1;
    (void)Type(1, kColRxFrequency, "435.0123");
    EXPECT_EQ(Cells(1), NewChannel(1, "435.01000", Language::English));
    state.LanguageIsEnglish = 2;  // a flag from a foreign parameter file: the lists are Chinese
    (void)Type(2, kColRxFrequency, "435.0123");
    EXPECT_EQ(Cells(2), NewChannel(2, "435.01000", Language::Chinese));
}

TEST_F(GridEditing, ChangingAFrequencyOfAChannelChangesOnlyThatCell) {
    AddChannel(9);
    Row expected = Cells(9);
    (void)Type(9, kColRxFrequency, "440.0123");
    expected[kColRxFrequency] = "440.01000";
    EXPECT_EQ(Cells(9), expected) << "the transmit cell and the lists stay";
    (void)Type(9, kColTxFrequency, "441");
    expected[kColTxFrequency] = "441.00000";
    EXPECT_EQ(Cells(9), expected);

    // A channel without a transmit frequency is completed like a new one.
    state.Grid1[9][kColTxFrequency].clear();
    (void)Type(9, kColRxFrequency, "442");
    EXPECT_EQ(Cells(9), NewChannel(9, "442.00000", Language::Chinese));
}

TEST_F(GridEditing, OutOfBandIsRefusedWithTheMessageAndKeepsTheCell) {
    AddChannel(4);
    const Row before = Cells(4);
    for (const char* typed : {"470", "470.00000", "399.99999", "350", "999999999"}) {
        const FrequencyCommit commit = Type(4, kColRxFrequency, typed);
        EXPECT_TRUE(commit.changes.Empty()) << typed;
        EXPECT_TRUE(commit.outOfBand) << typed;
        EXPECT_EQ(Cells(4), before) << typed;
    }
    ASSERT_EQ(host.shown.size(), 5u);
    EXPECT_EQ(host.shown[0].text, "超出频段范围");
    EXPECT_EQ(host.shown[0].style, kStyleOk);
    EXPECT_EQ(host.shown[0].title, "") << "the product name stands for an empty title";

    state.LanguageIsEnglish = 1;
    (void)Type(7, kColRxFrequency, "300");
    EXPECT_EQ(host.shown.back().text, "Beyond the frequency range");
    EXPECT_FALSE(ChannelInUse(state, 7)) << "an empty row stays empty";
    (void)Type(4, kColTxFrequency, "470");
    EXPECT_EQ(Cells(4), before) << "the transmit cell is held to the band too";
}

TEST_F(GridEditing, EveryBandTakesItsLowerLimitAndRefusesItsUpperOne) {
    for (int position = 0; position < kBandCount; ++position) {
        const Band& band = kBands[static_cast<std::size_t>(position)];
        state.Combo1 = position;
        const std::string low = std::to_string(band.lowMHz);
        const std::string top = std::to_string(band.highMHz - 1);
        const struct {
            std::string typed;
            std::string cell;  // empty: refused
        } cases[] = {
            {low, low + ".00000"},
            {top + ".99999", top + ".99500"},
            {std::to_string(band.lowMHz - 1) + ".99999", ""},
            {std::to_string(band.highMHz), ""},
        };
        for (const auto& c : cases) {
            ClearNO(state, 1);
            host.shown.clear();
            (void)Type(1, kColRxFrequency, c.typed);
            EXPECT_EQ(state.Grid1[1][kColRxFrequency], c.cell) << band.listText << " " << c.typed;
            EXPECT_EQ(host.shown.size(), c.cell.empty() ? 1u : 0u)
                << band.listText << " " << c.typed;
        }
    }
}

TEST_F(GridEditing, TextThatIsNoNumberIsIgnoredSilently) {
    AddChannel(2);
    const Row before = Cells(2);
    // The editor lets only digits and the point through; pasting brings anything.
    for (const char* typed :
         {".", "4.3.5", "435a", "-435", "+435", "1e3", "435,125", " ", "D023N"}) {
        const FrequencyCommit commit = Type(2, kColRxFrequency, typed);
        EXPECT_TRUE(commit.changes.Empty()) << typed;
        EXPECT_FALSE(commit.outOfBand) << typed;
        EXPECT_EQ(Cells(2), before) << typed;
    }
    EXPECT_TRUE(host.shown.empty());
}

TEST_F(GridEditing, EmptyingTheReceiveCellDeletesTheChannelButTheTransmitCellStays) {
    AddChannel(2);
    const Row before = Cells(2);
    EXPECT_TRUE(Type(2, kColTxFrequency, "").changes.Empty());
    EXPECT_EQ(Cells(2), before) << "typing cannot take the transmit frequency away";

    EXPECT_EQ(Type(2, kColRxFrequency, "").changes, Changes(StatePart::Grid));
    for (int column = 1; column <= 8; ++column) EXPECT_TRUE(state.Grid1[2][column].empty());
    EXPECT_EQ(state.Grid1[2][0], before[0]) << "the row label stays";
    EXPECT_EQ(state.ChannelFlags[2], Flags{});
}

TEST_F(GridEditing, CommitsWriteToTheOpenedCellOnly) {
    AddChannel(10);
    AddChannel(11);
    const Row other = Cells(11);
    (void)Type(10, kColTxFrequency, "450");
    (void)ChooseTone(state, {10, kColRxTone}, 2);
    (void)ChooseListItem(state, {10, kColPower}, 1);
    EXPECT_EQ(Cells(11), other);
    // Rules for another editor's column do nothing.
    EXPECT_TRUE(Type(10, kColRxTone, "450").changes.Empty());
    EXPECT_TRUE(ChooseTone(state, {10, kColPower}, 1).Empty());
    EXPECT_TRUE(ChooseListItem(state, {10, kColTxTone}, 1).Empty());
    EXPECT_TRUE(CommitTypedTone(state, {10, kColTxFrequency}, "88", kTypedTone).Empty());
    EXPECT_TRUE(ChooseListItem(state, {0, kColPower}, 1).Empty());
}

TEST_F(GridEditing, ATypedToneLandsWithOneDecimalBetween67And254Point1) {
    AddChannel(6);
    const struct {
        const char* text;
        int position;
        const char* cell;  // nullptr: the cell keeps "67.0"
    } cases[] = {
        {"88", kTypedTone, "88.0"},
        {"67", kTypedTone, "67.0"},
        {"254.1", kTypedTone, "254.1"},
        {"254.10", kTypedTone, "254.1"},
        {"88.85", kTypedTone, "88.9"},
        {"100.04", kTypedTone, "100.0"},
        {"088.5", kTypedTone, "88.5"},
        {"50", kTypedTone, nullptr},
        {"300", kTypedTone, nullptr},
        {"66.99", kTypedTone, nullptr},
        {"254.14", kTypedTone, nullptr},
        {"", kTypedTone, nullptr},
        {".", kTypedTone, nullptr},
        {"88.8.8", kTypedTone, nullptr},
        {"88.5", 9, "88.5"},     // a listed tone left as it was chosen
        {"D023N", 51, nullptr},  // committed when chosen
        {"D023N", kTypedTone, nullptr},
        {"关闭", 0, nullptr},
        {"88", 0, nullptr},  // the "off" item stays selected
    };
    for (const auto& c : cases) {
        state.Grid1[6][kColRxTone] = "67.0";
        const Changes changes = CommitTypedTone(state, {6, kColRxTone}, c.text, c.position);
        EXPECT_EQ(state.Grid1[6][kColRxTone], c.cell != nullptr ? c.cell : "67.0") << c.text;
        EXPECT_EQ(changes.Empty(), c.cell == nullptr) << c.text;
        EXPECT_EQ(state.ChannelFlags[6][kColRxTone], 1) << "a typed tone leaves ChannelFlags";
    }
}

TEST_F(GridEditing, ATypedToneIgnoresALocaleWithADecimalComma) {
    const test::DecimalCommaLocale locale;
    ASSERT_TRUE(locale.Active()) << test::kDecimalCommaLocale
                                 << " is missing; scripts/install-deps.sh generates it";
    AddChannel(6);
    (void)CommitTypedTone(state, {6, kColTxTone}, "88", kTypedTone);
    EXPECT_EQ(state.Grid1[6][kColTxTone], "88.0");
    (void)CommitTypedTone(state, {6, kColTxTone}, "88,5", kTypedTone);
    EXPECT_EQ(state.Grid1[6][kColTxTone], "88.0") << "a comma is no decimal point here";
    (void)Type(7, kColRxFrequency, "435.0123");
    EXPECT_EQ(state.Grid1[7][kColRxFrequency], "435.01000");
    (void)Type(7, kColTxFrequency, "435.007");
    EXPECT_EQ(state.Grid1[7][kColTxFrequency], "435.00625");
}

TEST_F(GridEditing, AChosenToneOrListItemLandsWithItsPosition) {
    AddChannel(8);
    const struct {
        int column;
        int position;
        const char* chinese;
        const char* english;
    } cases[] = {
        {kColRxTone, 0, "关闭", "Off"},
        {kColTxTone, 51, "D023N", "D023N"},
        {kColRxTone, 260, "D754I", "D754I"},
        {kColTxTone, 1, "67.0", "67.0"},
        {kColPower, 0, "低", "Low"},
        {kColPower, 1, "高", "Hight"},
        {kColBusyLockout, 0, "关闭", "Off"},
        {kColBusyLockout, 1, "载波", "Carrow"},
        {kColBandwidth, 0, "窄带", "Narrow"},
        {kColBandwidth, 1, "宽带", "Wide"},
        {kColScan, 0, "无", "No"},
        {kColScan, 1, "有", "Have"},
    };
    for (const int english : {0, 1}) {
        state.LanguageIsEnglish = english;
        for (const auto& c : cases) {
            state.ChannelFlags[8][c.column] = -7;
            const GridEdit edit{8, c.column};
            const Changes changes = EditorOfColumn(c.column) == CellEditor::Tone
                                        ? ChooseTone(state, edit, c.position)
                                        : ChooseListItem(state, edit, c.position);
            EXPECT_EQ(changes, Changes(StatePart::Grid));
            EXPECT_EQ(state.Grid1[8][c.column], english ? c.english : c.chinese);
            EXPECT_EQ(state.ChannelFlags[8][c.column], c.position);
        }
    }
    const Row before = Cells(8);
    EXPECT_TRUE(ChooseTone(state, {8, kColRxTone}, 261).Empty());
    EXPECT_TRUE(ChooseListItem(state, {8, kColPower}, 2).Empty());
    EXPECT_TRUE(ChooseListItem(state, {8, kColPower}, -1).Empty());
    EXPECT_EQ(Cells(8), before);
}

TEST_F(GridEditing, ClearNOEmptiesOneRowAndItsFlagsClearGrid1KeepsEveryFlag) {
    AddChannel(1);
    AddChannel(20);
    state.ChannelFlags[20][9] = 3;  // columns 9 and 10 belong to no grid column but are cleared
    state.ChannelFlags[20][10] = 4;
    state.ChannelFlags[20][11] = 5;
    ClearNO(state, 20);
    EXPECT_EQ(state.ChannelFlags[20], (Flags{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5}));
    EXPECT_FALSE(ChannelInUse(state, 20));
    EXPECT_TRUE(ChannelInUse(state, 1)) << "other rows stay";

    AddChannel(33);
    const Flags kept = state.ChannelFlags[33];
    ClearGrid1(state);
    for (const int row : {1, 33}) {
        for (int column = 1; column <= 8; ++column) EXPECT_TRUE(state.Grid1[row][column].empty());
        EXPECT_EQ(state.ChannelFlags[row], kept) << row;
    }

    AddChannel(40);
    ClearGrid(state);
    for (int row = 1; row <= kChannelCount; ++row) {
        EXPECT_FALSE(ChannelInUse(state, row));
        for (int column = 2; column <= 10; ++column) EXPECT_EQ(state.ChannelFlags[row][column], 0);
    }
}

TEST_F(GridEditing, ALanguageSwitchKeepsTheTonesOfADecodedImage) {
    // Channels as a radio would send them: listed and unlisted tones, no tone, no transmit side.
    test::ScriptedHost quiet;
    ProgramState radio = StartupState(quiet);
    radio.Grid1[1] = {"", "435.12500", "67.0", "435.12500", "D023N", "高", "关闭", "宽带", "有"};
    radio.Grid1[2] = {"", "436.00000", "关闭", "436.50000", "D754I", "低", "载波", "窄带", "无"};
    radio.Grid1[17] = {"", "437.00000", "76.8", "", "", "高", "关闭", "宽带", "无"};
    radio.Grid1[48] = {"", "438.00000", "D155N", "438.00000", "关闭", "低", "关闭", "宽带", "有"};
    Decode(EncodeImage(radio));
    const auto decoded = state.Grid1;

    EXPECT_EQ(ChooseLanguage(state, true), StatePart::Language | StatePart::Grid);
    EXPECT_EQ(Cells(1), (Row{decoded[1][0], "435.12500", "67.0", "435.12500", "D023N", "Hight",
                             "Off", "Wide", "Have"}));
    EXPECT_EQ(Cells(2), (Row{decoded[2][0], "436.00000", "Off", "436.50000", "D754I", "Low",
                             "Carrow", "Narrow", "No"}));
    EXPECT_EQ(Cells(17),
              (Row{decoded[17][0], "437.00000", "76.8", "", "", "Hight", "Off", "Wide", "No"}))
        << "a tone the list does not have survives too";
    EXPECT_EQ(Cells(48), (Row{decoded[48][0], "438.00000", "D155N", "438.00000", "Off", "Low",
                              "Off", "Wide", "Have"}));
    EXPECT_EQ(ChooseLanguage(state, false), StatePart::Language | StatePart::Grid);
    EXPECT_EQ(state.Grid1, decoded) << "and back again";
    EXPECT_EQ(EncodeImage(state), EncodeImage(radio));
}

}  // namespace
}  // namespace qv
