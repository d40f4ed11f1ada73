#include "rules/channels/grid_rules.h"

#include <cstdio>

namespace qv {

std::string ChannelLabel(int row) {
    if (row < 1 || row > kChannelCount) return {};
    // The prefixes of groups 2 and 3 end in a blank; that of group 1 does not.
    static constexpr const char* kGroupPrefix[] = {"G1-", "G2- ", "G3- "};
    char label[16];
    std::snprintf(label, sizeof label, "%s%02d", kGroupPrefix[(row - 1) / 16], (row - 1) % 16 + 1);
    return label;
}

void SetGridRowLabels(Setup& setup) {
    for (int row = 1; row <= kChannelCount; ++row) setup.Grid1[row][0] = ChannelLabel(row);
}

void ClearNO(Setup& setup, int row) {
    if (row < 1 || row > kChannelCount) return;
    for (int column = kColRxFrequency; column <= kColScan; ++column)
        setup.Grid1[row][column].clear();
    for (int column = 2; column <= 10; ++column) setup.ChannelFlags[row][column] = 0;
}

void ClearGrid(Setup& setup) {
    for (int row = 1; row <= kChannelCount; ++row) ClearNO(setup, row);
}

void ClearGrid1(Setup& setup) {
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!ChannelInUse(setup, row)) continue;
        for (int column = kColRxFrequency; column <= kColScan; ++column) {
            setup.Grid1[row][column].clear();
        }
    }
}

void SetGrid1Text(Setup& setup, Language language) {
    const std::string noTone(ListItem(ListId::Tone, 0, language));
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!ChannelInUse(setup, row)) continue;
        auto& cells = setup.Grid1[row];
        for (const GridList& tone : kToneColumns) {
            if (FindListItem(tone.list, cells[tone.column]) == 0) cells[tone.column] = noTone;
        }
        for (const GridList& list : kCombo5Columns) {
            cells[list.column] =
                ListItem(list.list, setup.ChannelFlags[row][list.column], language);
        }
    }
}

}  // namespace qv
