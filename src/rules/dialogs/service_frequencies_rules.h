// The test-frequency (service frequencies) window Form4: its load step, and editing its grid
// mfgrid1: which cells may be edited, and how a typed frequency is moved onto a channel raster. The
// grid is the working copy; OK makes it the held TestFrequencyTable. No band limits apply here: a
// test channel may lie anywhere its image field reaches.
#pragma once

#include <string>
#include <string_view>

#include "state/changes.h"
#include "state/host.h"
#include "state/program_state.h"

namespace qv {

inline constexpr int kTestRxColumn = 1;
inline constexpr int kTestTxColumn = 2;

// The image holds a test frequency as three digits, a point and five decimals (MHz).
inline constexpr double kLowestTestMHz = 100.0;
inline constexpr double kHighestTestMHz = 999.99999;

// Whether `typed`, blanks at either end aside, is a plain decimal number (digits and at most one
// point) from kLowestTestMHz to kHighestTestMHz: a frequency the image holds as it is shown.
bool IsTestFrequency(std::string_view typed);

// A receive frequency moved down onto the 6.25 kHz raster when that needs the smaller or an equal
// move, otherwise onto the 5 kHz raster: "435.0123" gives "435.01000", "435.007" gives
// "435.00625". The number is the leading number of the text, 0 when there is none.
std::string RxTestFrequency(std::string_view typed);

// A transmit frequency kept when it lies on the 6.25 kHz raster, otherwise moved down onto the
// 5 kHz raster: "435.007" gives "435.00500", "435.00625" stays.
std::string TxTestFrequency(std::string_view typed);

// Whether the cell at grid row `row` (1..16), column `column` may be edited: the frequency
// columns only, and the transmit frequency only once the row has a receive frequency.
bool TestFrequencyCellEditable(const Setup& setup, int row, int column);

// The user typed `text` into an editable cell. A receive frequency goes onto its raster and the
// transmit frequency follows it (an emptied receive frequency empties both); an emptied transmit
// frequency takes the receive frequency, any other goes onto its raster. A text that is neither
// empty (blanks only counting as empty) nor a test frequency changes nothing: `host` says what
// the cell takes, in the current language.
Changes EditTestFrequency(ProgramState& state, Host& host, int row, int column,
                          std::string_view text);

// OK: the grid becomes the held test channels.
Changes StoreTestFrequencies(Setup& setup);

// As the window is created: row labels 01..16 and the held frequencies.
void LoadServiceFrequenciesDialog(Setup& setup);

}  // namespace qv
