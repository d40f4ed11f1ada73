// Importing a channel plan: the rows of a CSV file in the common exchange format become channels of
// a set-up, each exactly as typing its values into the grid would make it. The import is a pure
// step from (set-up, file, placement, language) to (new set-up, report); the caller applies the
// new set-up at once, as one step the user can undo (the set-up part of the program state becomes
// `setup`, and only the grid changed: StatePart::Grid), and shows the report.
//
// Columns are found by their names in the header row (any order, any case; unknown ones ignored);
// the separator is "," or ";", numbers take a decimal point or a decimal comma, the file may start
// with a UTF-8 byte order mark and end its lines with CRLF or LF; a file in UTF-16 or UTF-32 is
// refused by the name of its encoding. Rows fill channels one after the other from the first
// channel chosen, or each goes to the channel its Location names; a row that cannot be imported
// as it stands takes no channel and is reported with its reason, and so is every row that finds
// no channel. The band is never changed: frequencies outside the band shown are refused as the
// grid refuses them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/language.h"
#include "rules/plans/plan_note.h"
#include "state/program_state.h"

namespace qv {

struct SkippedPlanRow {
    int line = 0;          // the line of the file the row starts on, from 1 (the header is line 1)
    std::string location;  // its Location cell, fit to show
    PlanNote reason;

    friend bool operator==(const SkippedPlanRow&, const SkippedPlanRow&) = default;
};

struct ChannelPlanImport {
    // The set-up with the imported channels; when the file is refused, the set-up as it was.
    Setup setup;
    // Why the whole file was refused: not UTF-8, no header row, or a column it needs missing or
    // named twice.
    std::optional<PlanNote> refused;
    std::vector<SkippedPlanRow> skipped;  // in the order of the file
    std::vector<int> filled;              // the channels the rows filled, ascending
    std::vector<int> replaced;            // those of them that held a channel before, ascending
};

// Where the rows of a plan go.
struct PlanPlacement {
    enum class Kind {
        FirstEmpty,   // one after the other from the first empty channel (none when all are used)
        FromChannel,  // one after the other from `channel` on, replacing what is there
        AtLocation,   // each at the channel its Location names (1..48), replacing what is there
    };
    Kind kind = Kind::FirstEmpty;
    int channel = 0;  // FromChannel only: 1..48

    static constexpr PlanPlacement FirstEmpty() { return {}; }
    static constexpr PlanPlacement FromChannel(int first) { return {Kind::FromChannel, first}; }
    static constexpr PlanPlacement AtLocation() { return {Kind::AtLocation, 0}; }

    friend bool operator==(const PlanPlacement&, const PlanPlacement&) = default;
};

// Where an import starts unless the user picks a channel: the first empty channel, or
// kChannelCount + 1 when every channel is in use.
int FirstEmptyChannel(const Setup& setup);

// Imports `csv` (the file's bytes) into a copy of `setup`, its rows placed as `placement` says.
// List cells are written in `cells`, the language of the grid.
ChannelPlanImport ImportChannelPlan(const Setup& setup, std::string_view csv,
                                    PlanPlacement placement, Language cells);

}  // namespace qv
