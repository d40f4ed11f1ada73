#include "rules/channels/grid_editing.h"

#include <string>

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

// What a channel typed into an empty row starts with, besides its transmit frequency.
struct NewChannelDefault {
    int column;
    ListId list;
    int position;
};
constexpr NewChannelDefault kNewChannelDefaults[] = {
    {kColRxTone, ListId::Tone, 0},              // off
    {kColTxTone, ListId::Tone, 0},              // off
    {kColPower, ListId::Power, 1},              // high
    {kColBusyLockout, ListId::BusyLockout, 0},  // off
    {kColBandwidth, ListId::Bandwidth, 1},      // wide
    {kColScan, ListId::ScanAdd, 1},             // in the scan list
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

// The cell text of item `position` of `list` in the language the grid's lists show.
std::string CellItem(const ProgramState& state, ListId list, int position) {
    return std::string(ListItem(list, position, CaptionLanguage(state.LanguageIsEnglish)));
}

void StartNewChannel(ProgramState& state, int row) {
    auto& cells = state.Grid1[row];
    cells[kColTxFrequency] = cells[kColRxFrequency];
    for (const NewChannelDefault& item : kNewChannelDefaults) {
        cells[item.column] = CellItem(state, item.list, item.position);
        state.ChannelFlags[row][item.column] = item.position;
    }
}

}  // namespace

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
    const std::string_view typed = TrimBlanks(text);
    if (!IsPlainDecimal(typed)) return {};
    const double mhz = Val(typed);
    if (mhz < state.BandLowMHz() || mhz >= state.BandHighMHz()) {
        const Language language = MessageLanguage(state.LanguageIsEnglish);
        (void)host.LocalMsgBox(std::string(MessageText(MessageId::OutOfBand, language)), kStyleOk,
                               "");
        return {{}, true};
    }
    const std::string rounded = RoundDecimal(typed, kFrequencyDecimals);
    state.Grid1[row][column] = FixedText(SnapFrequency(rounded), kFrequencyDecimals);
    if (column == kColRxFrequency && state.Grid1[row][kColTxFrequency].empty()) {
        StartNewChannel(state, row);
    }
    return {StatePart::Grid};
}

Changes ChooseTone(ProgramState& state, const GridEdit& edit, int position) {
    if (!IsChannelRow(edit.EditRow) || !IsToneColumn(edit.EditCol)) return {};
    std::string item = CellItem(state, ListId::Tone, position);
    if (item.empty()) return {};
    state.Grid1[edit.EditRow][edit.EditCol] = std::move(item);
    state.ChannelFlags[edit.EditRow][edit.EditCol] = position;
    return StatePart::Grid;
}

Changes CommitTypedTone(Setup& setup, const GridEdit& edit, std::string_view text, int position) {
    if (!IsChannelRow(edit.EditRow) || !IsToneColumn(edit.EditCol)) return {};
    // A code or the "off" item was chosen from the list and is in the cell already.
    if (text.starts_with('D') || position == 0) return {};
    const std::string_view typed = TrimBlanks(text);
    if (!IsPlainDecimal(typed)) return {};
    const double hertz = Val(typed);
    if (hertz < kLowestTypedTone || hertz > kHighestTypedTone) return {};
    setup.Grid1[edit.EditRow][edit.EditCol] = RoundDecimal(typed, kToneDecimals);
    return StatePart::Grid;
}

Changes ChooseListItem(ProgramState& state, const GridEdit& edit, int position) {
    if (!IsChannelRow(edit.EditRow)) return {};
    const GridList* list = Combo5List(edit.EditCol);
    if (list == nullptr) return {};
    std::string item = CellItem(state, list->list, position);
    if (item.empty()) return {};
    state.Grid1[edit.EditRow][edit.EditCol] = std::move(item);
    state.ChannelFlags[edit.EditRow][edit.EditCol] = position;
    return StatePart::Grid;
}

}  // namespace qv
