#include "mainwindow/grid_rules.h"

#include <cstdio>

namespace qv {

void SetGridRowLabels(ProgramState& state) {
    // The prefixes of groups 2 and 3 end in a blank; that of group 1 does not.
    static constexpr const char* kGroupPrefix[] = {"G1-", "G2- ", "G3- "};
    for (int row = 1; row <= kChannelCount; ++row) {
        char label[16];
        std::snprintf(label, sizeof label, "%s%02d", kGroupPrefix[(row - 1) / 16],
                      (row - 1) % 16 + 1);
        state.Grid1[row][0] = label;
    }
}

void ClearNO(ProgramState& state, int row) {
    if (row < 1 || row > kChannelCount) return;
    for (int column = kColRxFrequency; column <= kColScan; ++column)
        state.Grid1[row][column].clear();
    for (int column = 2; column <= 10; ++column) state.ChannelFlags[row][column] = 0;
}

void ClearGrid(ProgramState& state) {
    for (int row = 1; row <= kChannelCount; ++row) ClearNO(state, row);
}

}  // namespace qv
