#include "rules/channels/grid_editing.h"

#include <string>
#include <utility>

#include "i18n/list_items.h"
#include "i18n/messages.h"
#include "i18n/msgbox.h"
#include "image/decimal_text.h"
#include "image/frequency_raster.h"
#include "image/text.h"
#include "rules/channels/grid_rules.h"

namespace qv {
namespace {

constexpr int kFrequencyDecimals = 5;
constexpr int kToneDecimals = 1;

// What a channel typed into an empty row starts with, besides its transmit frequency: the item
// position of each list cell.
struct NewChannelDefault {
    int column;
    int position;
};
constexpr NewChannelDefault kNewChannelDefaults[] = {
    {kColRxTone, 0},       // off
    {kColTxTone, 0},       // off
    {kColPower, 1},        // high
    {kColBusyLockout, 0},  // off
    {kColBandwidth, 1},    // wide
    {kColScan, 1},         // in the scan list
};

bool IsChannelRow(int row) {
    return row >= 1 && row <= kChannelCount;
}

bool IsFrequencyColumn(int column) {
    return column == kColRxFrequency || column == kColTxFrequency;
}

bool IsToneColumn(int column) {
    return column == kColRxTone || column == kColTxTone;
}

// The list of Combo5(column), or nothing for a column without one.
const GridList* Combo5List(int column) {
    for (const GridList& list : kCombo5Columns) {
        if (list.column == column) return &list;
    }
    return nullptr;
}

// The list a list-valued cell takes its items from, or nothing for a column without one.
const GridList* CellList(int column) {
    for (const GridList& list : kToneColumns) {
        if (list.column == column) return &list;
    }
    return Combo5List(column);
}

}  // namespace

FrequencyEntry EnterFrequency(const Setup& setup, std::string_view text) {
    const std::string_view typed = TrimBlanks(text);
    if (!IsPlainDecimal(typed)) return {FrequencyOutcome::NotANumber, {}};
    const double mhz = Val(typed);
    if (mhz < setup.BandLowMHz() || mhz >= setup.BandHighMHz()) {
        return {FrequencyOutcome::OutOfBand, {}};
    }
    const std::string rounded = RoundDecimal(typed, kFrequencyDecimals);
    return {FrequencyOutcome::Landed, FixedText(SnapFrequency(rounded), kFrequencyDecimals)};
}

void StartNewChannel(Setup& setup, int row, Language cells) {
    if (!IsChannelRow(row)) return;
    setup.Grid1[row][kColTxFrequency] = setup.Grid1[row][kColRxFrequency];
    for (const NewChannelDefault& item : kNewChannelDefaults) {
        (void)SetListCell(setup, row, item.column, item.position, cells);
    }
}

void PlaceChannel(Setup& setup, int row, const ChannelEntry& entry, Language cells) {
    if (!IsChannelRow(row)) return;
    ClearNO(setup, row);
    setup.Grid1[row][kColRxFrequency] = entry.receive;
    StartNewChannel(setup, row, cells);
    setup.Grid1[row][kColTxFrequency] = entry.transmit;
    const std::pair<int, const ToneEntry*> tones[] = {{kColRxTone, &entry.receiveTone},
                                                      {kColTxTone, &entry.transmitTone}};
    for (const auto& [column, tone] : tones) {
        // A typed tone leaves ChannelFlags as they were: no item of the list was chosen.
        if (tone->position == kTypedTone) {
            setup.Grid1[row][column] = tone->typed;
        } else {
            (void)SetListCell(setup, row, column, tone->position, cells);
        }
    }
    const std::pair<int, int> choices[] = {
        {kColPower, entry.power},
        {kColBusyLockout, entry.busyLockout},
        {kColBandwidth, entry.bandwidth},
        {kColScan, entry.scan},
    };
    for (const auto& [column, position] : choices) {
        (void)SetListCell(setup, row, column, position, cells);
    }
}

bool SetListCell(Setup& setup, int row, int column, int position, Language cells) {
    const GridList* list = CellList(column);
    if (!IsChannelRow(row) || list == nullptr) return false;
    std::string item(ListItem(list->list, position, cells));
    if (item.empty()) return false;
    setup.Grid1[row][column] = std::move(item);
    setup.ChannelFlags[row][column] = position;
    return true;
}

CellEditor EditorOfColumn(int column) {
    if (IsFrequencyColumn(column)) return CellEditor::Frequency;
    if (IsToneColumn(column)) return CellEditor::Tone;
    if (Combo5List(column) != nullptr) return CellEditor::List;
    return CellEditor::None;
}

bool ChannelCellEditable(const Setup& setup, int row, int column) {
    if (!IsChannelRow(row) || EditorOfColumn(column) == CellEditor::None) return false;
    return column == kColRxFrequency || ChannelInUse(setup, row);
}

CellEditor OpenCellEditor(const Setup& setup, GridEdit& edit, int row, int column) {
    if (!IsChannelRow(row)) return CellEditor::None;
    if (!ChannelInUse(setup, row)) column = kColRxFrequency;
    edit = {row, column};
    return EditorOfColumn(column);
}

int OpeningPosition(const Setup& setup, const GridEdit& edit) {
    if (!IsChannelRow(edit.EditRow)) return kNoSelection;
    if (IsToneColumn(edit.EditCol)) {
        return FindListItem(ListId::Tone, setup.Grid1[edit.EditRow][edit.EditCol]);
    }
    if (Combo5List(edit.EditCol) != nullptr) return setup.ChannelFlags[edit.EditRow][edit.EditCol];
    return kNoSelection;
}

FrequencyCommit CommitFrequency(ProgramState& state, Host& host, const GridEdit& edit,
                                std::string_view text) {
    const int row = edit.EditRow;
    const int column = edit.EditCol;
    if (!IsChannelRow(row) || !IsFrequencyColumn(column)) return {};
    if (text.empty()) {
        // Typing cannot take a transmit frequency away; emptying the receive one deletes the
        // channel.
        if (column != kColRxFrequency) return {};
        ClearNO(state, row);
        return {StatePart::Grid};
    }
    const FrequencyEntry entry = EnterFrequency(state, text);
    if (entry.outcome == FrequencyOutcome::NotANumber) return {};
    if (entry.outcome == FrequencyOutcome::OutOfBand) {
        const Language language = MessageLanguage(state.LanguageIsEnglish);
        (void)host.LocalMsgBox(std::string(MessageText(MessageId::OutOfBand, language)), kStyleOk,
                               "");
        return {{}, true};
    }
    state.Grid1[row][column] = entry.cell;
    if (column == kColRxFrequency && state.Grid1[row][kColTxFrequency].empty()) {
        StartNewChannel(state, row, CaptionLanguage(state.LanguageIsEnglish));
    }
    return {StatePart::Grid};
}

Changes ChooseTone(ProgramState& state, const GridEdit& edit, int position) {
    if (!IsToneColumn(edit.EditCol)) return {};
    const Language cells = CaptionLanguage(state.LanguageIsEnglish);
    if (!SetListCell(state, edit.EditRow, edit.EditCol, position, cells)) return {};
    return StatePart::Grid;
}

std::optional<std::string> TypedToneCell(std::string_view text) {
    const std::string_view typed = TrimBlanks(text);
    if (!IsPlainDecimal(typed)) return std::nullopt;
    const double hertz = Val(typed);
    if (hertz < kLowestTypedTone || hertz > kHighestTypedTone) return std::nullopt;
    return RoundDecimal(typed, kToneDecimals);
}

Changes CommitTypedTone(Setup& setup, const GridEdit& edit, std::string_view text, int position) {
    if (!IsChannelRow(edit.EditRow) || !IsToneColumn(edit.EditCol)) return {};
    // A code or the "off" item was chosen from the list and is in the cell already.
    if (text.starts_with('D') || position == 0) return {};
    std::optional<std::string> cell = TypedToneCell(text);
    if (!cell) return {};
    setup.Grid1[edit.EditRow][edit.EditCol] = std::move(*cell);
    return StatePart::Grid;
}

Changes ChooseListItem(ProgramState& state, const GridEdit& edit, int position) {
    if (Combo5List(edit.EditCol) == nullptr) return {};
    const Language cells = CaptionLanguage(state.LanguageIsEnglish);
    if (!SetListCell(state, edit.EditRow, edit.EditCol, position, cells)) return {};
    return StatePart::Grid;
}

}  // namespace qv
