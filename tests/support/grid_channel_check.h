// Whether a channel is one the grid's editors could have made: what the plan import promises for
// every channel it fills, checked by its tests and its fuzzer.
#pragma once

#include <string>

#include "i18n/list_items.h"
#include "rules/channels/grid_editing.h"
#include "rules/channels/grid_rules.h"
#include "state/program_state.h"

namespace qv::test {

// Empty when channel `row` passes the grid's rules, else what is wrong: both frequencies are
// what the frequency editor lands when they are typed again (in the band shown, on the raster),
// and every list cell shows the item of its list whose position ChannelFlags holds, in `cells`,
// as choosing it from the editor's list leaves it.
inline std::string GridChannelFault(const Setup& setup, int row, Language cells) {
    const auto& grid = setup.Grid1[row];
    const std::string where = "channel " + std::to_string(row) + ", column ";
    for (const int column : {kColRxFrequency, kColTxFrequency}) {
        const FrequencyEntry again = EnterFrequency(setup, grid[column]);
        if (again.outcome != FrequencyOutcome::Landed || again.cell != grid[column]) {
            return where + std::to_string(column) + ": the grid does not land \"" + grid[column] +
                   "\" as it is";
        }
    }
    const auto check = [&](const GridList& list) -> std::string {
        const int position = setup.ChannelFlags[row][list.column];
        const std::string_view item = ListItem(list.list, position, cells);
        if (item.empty() || grid[list.column] != item) {
            return where + std::to_string(list.column) + ": \"" + grid[list.column] +
                   "\" is not item " + std::to_string(position) + " of its list";
        }
        return {};
    };
    for (const GridList& list : kToneColumns) {
        if (std::string fault = check(list); !fault.empty()) return fault;
    }
    for (const GridList& list : kCombo5Columns) {
        if (std::string fault = check(list); !fault.empty()) return fault;
    }
    return {};
}

}  // namespace qv::test
