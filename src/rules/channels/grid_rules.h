// Whole-row operations on the channel grid.
#pragma once

#include <string>

#include "i18n/language.h"
#include "i18n/list_items.h"
#include "state/program_state.h"

namespace qv {

// The list each list-valued column shows its items from: the tone editor Combo8 for the two tone
// columns, the element Combo5(column) for columns 5 to 8.
struct GridList {
    int column;
    ListId list;
};
inline constexpr GridList kToneColumns[] = {{kColRxTone, ListId::Tone}, {kColTxTone, ListId::Tone}};
inline constexpr GridList kCombo5Columns[] = {{kColPower, ListId::Power},
                                              {kColBusyLockout, ListId::BusyLockout},
                                              {kColBandwidth, ListId::Bandwidth},
                                              {kColScan, ListId::ScanAdd}};

// Row labels of column 0: "G1-01".."G1-16", "G2- 01".."G2- 16", "G3- 01".."G3- 16".
void SetGridRowLabels(Setup& setup);
// The label of channel `row` (1..48); empty for any other row.
std::string ChannelLabel(int row);

// Empties channel `row`: its cells and its ChannelFlags.
void ClearNO(Setup& setup, int row);
// Empties every channel and its ChannelFlags (a confirmed band change).
void ClearGrid(Setup& setup);
// Empties the cells of every channel in use; ChannelFlags stay (the New command).
void ClearGrid1(Setup& setup);

// After a language switch: the list cells of every channel in use read in `language`. A tone
// cell changes only when it shows no tone; frequencies are not touched.
void SetGrid1Text(Setup& setup, Language language);

}  // namespace qv
