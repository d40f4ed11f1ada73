// Copying channel cells as tab-separated text, as spreadsheets exchange a table on the clipboard,
// and pasting such text into the grid through the rules typing follows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/language.h"
#include "state/changes.h"
#include "state/program_state.h"

namespace qv {

struct GridCell {
    int row = 0;     // 0..48 (0 the header)
    int column = 0;  // 0..8 (0 the channel label)

    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The cells as a table: the rows that hold one of them, top to bottom, one line each (ended by a
// line break), and in each line the columns that hold one of them, left to right, separated by
// tabs. Rows and columns between them that hold none are left out, as spreadsheets copy a
// selection of separate rows or columns. Nothing when that table would have a cell not among
// `cells` (a selection that is no table, as a diagonal): an empty cell in its place would delete
// or blank what it is pasted on. An empty text for no cells.
std::optional<std::string> CopyCells(const Setup& setup, const std::vector<GridCell>& cells);

// Tab-separated text as rows of cells: lines end with LF or CRLF; a last line break ends the
// table rather than starting an empty row.
std::vector<std::vector<std::string>> SplitTable(std::string_view text);

// Why a pasted cell did not land.
enum class PasteRefusal {
    NotANumber,       // a frequency column: not a plain decimal number
    OutOfBand,        // a frequency outside the band shown
    NotAnItem,        // a list column: neither an item of its list nor, for a tone, a typed tone
    EmptyChannel,     // a cell other than the receive frequency of a channel not in use
    PastLastChannel,  // below channel 48
    PastLastColumn,   // right of the scan column
};

struct RefusedCell {
    GridCell cell;  // where it would have gone; a row past the last channel keeps its number
    std::string text;
    PasteRefusal reason = PasteRefusal::NotANumber;

    friend bool operator==(const RefusedCell&, const RefusedCell&) = default;
};

struct PasteOutcome {
    Changes changes;
    std::vector<RefusedCell> refused;  // row by row, left to right
    // Channels in use that an empty receive frequency deleted, in order: the paste names them.
    std::vector<int> deleted;
};

// Pastes `text` with its first cell on (row, column), cell by cell and row by row from left to
// right, each as typing or choosing it would: a receive frequency first, so that a channel it
// starts takes the values after it; an empty receive frequency deletes the channel, which the
// outcome lists. Cells that
// land on the channel label column are left out: the labels are not the channels' data. List
// cells are written in `cells`, the grid's language; list items are recognised in either
// language.
PasteOutcome PasteCells(Setup& setup, int row, int column, std::string_view text, Language cells);

// "G1-05 RX frequency "12.5": not a number": one refused cell for the user, in `language`.
std::string DescribeRefusal(const RefusedCell& refused, Language language);

}  // namespace qv
