#include "rules/channels/grid_clipboard.h"

#include <algorithm>

#include "i18n/captions.h"
#include "i18n/desktop_texts.h"
#include "i18n/list_items.h"
#include "rules/channels/grid_editing.h"
#include "rules/channels/grid_rules.h"

namespace qv {
namespace {

constexpr char kTab = '\t';

bool IsChannelRow(int row) {
    return row >= 1 && row <= kChannelCount;
}

// The list a column's cells are items of; none for a frequency column.
const GridList* ListOfColumn(int column) {
    for (const GridList& list : kToneColumns) {
        if (list.column == column) return &list;
    }
    for (const GridList& list : kCombo5Columns) {
        if (list.column == column) return &list;
    }
    return nullptr;
}

struct CellResult {
    bool landed = false;
    PasteRefusal reason = PasteRefusal::NotANumber;
    bool deletedChannel = false;
};

CellResult Refused(PasteRefusal reason) {
    return {false, reason, false};
}

CellResult PasteFrequency(Setup& setup, int row, int column, const std::string& text,
                          Language cells) {
    if (text.empty()) {
        // As typing: emptying the receive frequency deletes the channel; the transmit frequency
        // cannot be taken away, and an empty cell of a table leaves it as it is.
        if (column != kColRxFrequency || !ChannelInUse(setup, row)) return {true};
        ClearNO(setup, row);
        return {true, {}, true};
    }
    const FrequencyEntry entry = EnterFrequency(setup, text);
    if (entry.outcome == FrequencyOutcome::NotANumber) return Refused(PasteRefusal::NotANumber);
    if (entry.outcome == FrequencyOutcome::OutOfBand) return Refused(PasteRefusal::OutOfBand);
    setup.Grid1[row][column] = entry.cell;
    if (column == kColRxFrequency && setup.Grid1[row][kColTxFrequency].empty()) {
        StartNewChannel(setup, row, cells);
    }
    return {true};
}

CellResult PasteListItem(Setup& setup, int row, const GridList& list, const std::string& text,
                         Language cells) {
    if (text.empty()) return {true};  // an empty cell of a table leaves the cell as it is
    const int position = FindListItem(list.list, text);
    if (position >= 0 && SetListCell(setup, row, list.column, position, cells)) return {true};
    if (list.list == ListId::Tone) {
        const GridEdit edit{row, list.column};
        if (!CommitTypedTone(setup, edit, text, kTypedTone).Empty()) return {true};
    }
    return Refused(PasteRefusal::NotAnItem);
}

CellResult PasteCell(Setup& setup, int row, int column, const std::string& text, Language cells) {
    if (column != kColRxFrequency && !ChannelInUse(setup, row)) {
        // What lands on a channel not in use would be typing it cannot take; an empty cell there
        // is already as pasted.
        return text.empty() ? CellResult{true} : Refused(PasteRefusal::EmptyChannel);
    }
    if (const GridList* list = ListOfColumn(column))
        return PasteListItem(setup, row, *list, text, cells);
    return PasteFrequency(setup, row, column, text, cells);
}

// How many different cells `cells` names.
std::size_t Distinct(std::vector<GridCell> cells) {
    std::sort(cells.begin(), cells.end(), [](const GridCell& a, const GridCell& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    return static_cast<std::size_t>(std::unique(cells.begin(), cells.end()) - cells.begin());
}

// True when every row starts with a channel's label: whole channels copied with their labels.
bool StartsWithLabels(const std::vector<std::vector<std::string>>& table) {
    if (table.empty()) return false;
    for (const std::vector<std::string>& row : table) {
        bool label = false;
        for (int channel = 1; channel <= kChannelCount && !label; ++channel) {
            label = row.front() == ChannelLabel(channel);
        }
        if (!label) return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> CopyCells(const Setup& setup, const std::vector<GridCell>& cells) {
    std::vector<int> rows;
    std::vector<int> columns;
    for (const GridCell& cell : cells) {
        rows.push_back(cell.row);
        columns.push_back(cell.column);
    }
    for (std::vector<int>* numbers : {&rows, &columns}) {
        std::sort(numbers->begin(), numbers->end());
        numbers->erase(std::unique(numbers->begin(), numbers->end()), numbers->end());
    }
    if (rows.size() * columns.size() != Distinct(cells)) return std::nullopt;
    std::string text;
    for (const int row : rows) {
        for (const int column : columns) {
            if (column != columns.front()) text += kTab;
            if (row >= 0 && row <= kChannelCount && column >= 0 && column < kGridColumns) {
                text += setup.Grid1[row][column];
            }
        }
        text += '\n';
    }
    return text;
}

std::vector<std::vector<std::string>> SplitTable(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        std::vector<std::string> row;
        for (;;) {
            const std::size_t tab = line.find(kTab);
            row.emplace_back(line.substr(0, tab));
            if (tab == std::string_view::npos) break;
            line = line.substr(tab + 1);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

PasteOutcome PasteCells(Setup& setup, int row, int column, std::string_view text, Language cells) {
    PasteOutcome outcome;
    const Setup before = setup;
    const std::vector<std::vector<std::string>> table = SplitTable(text);
    // Whole channels pasted on a channel's first cell: their labels fall on the label column.
    if (column == kColRxFrequency && StartsWithLabels(table)) column = 0;
    for (std::size_t r = 0; r < table.size(); ++r) {
        const int target = row + static_cast<int>(r);
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            const int col = column + static_cast<int>(c);
            const std::string& cell = table[r][c];
            if (col <= 0) continue;  // the channel label column
            const GridCell at{target, col};
            if (!IsChannelRow(target)) {
                if (!cell.empty())
                    outcome.refused.push_back({at, cell, PasteRefusal::PastLastChannel});
                continue;
            }
            if (col >= kGridColumns) {
                if (!cell.empty())
                    outcome.refused.push_back({at, cell, PasteRefusal::PastLastColumn});
                continue;
            }
            const CellResult result = PasteCell(setup, target, col, cell, cells);
            if (!result.landed) outcome.refused.push_back({at, cell, result.reason});
            if (result.deletedChannel) outcome.deleted.push_back(target);
        }
    }
    if (!(setup == before)) outcome.changes = StatePart::Grid;
    return outcome;
}

std::string DescribeRefusal(const RefusedCell& refused, Language language) {
    static constexpr struct {
        PasteRefusal reason;
        DesktopText text;
    } kReasons[] = {
        {PasteRefusal::NotANumber, DesktopText::PasteNotANumber},
        {PasteRefusal::OutOfBand, DesktopText::PasteOutOfBand},
        {PasteRefusal::NotAnItem, DesktopText::PasteNotAnItem},
        {PasteRefusal::EmptyChannel, DesktopText::PasteEmptyChannel},
        {PasteRefusal::PastLastChannel, DesktopText::PastePastLastChannel},
        {PasteRefusal::PastLastColumn, DesktopText::PastePastLastColumn},
    };
    const GridCell& at = refused.cell;
    const std::string channel =
        IsChannelRow(at.row) ? ChannelLabel(at.row) : std::to_string(at.row);
    const std::string_view column =
        at.column < kGridColumns
            ? Caption(WindowId::Form1, "Grid1", CaptionProperty::GridHeader, at.column, language)
            : std::string_view();
    std::string text =
        DesktopTextWith(DesktopText::PasteCell, language, {channel, column, refused.text});
    for (const auto& row : kReasons) {
        if (row.reason == refused.reason) text += DesktopTextOf(row.text, language);
    }
    return text;
}

}  // namespace qv
