// Editing one cell of the channel grid: which editor a cell opens, and what a typed or chosen
// value must pass before it lands in the cell. The widgets call these when the user opens an
// editor, picks an item or leaves an editor; each rule returns what it changed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "i18n/language.h"
#include "state/changes.h"
#include "state/host.h"
#include "state/program_state.h"

namespace qv {

// The editors of the grid.
enum class CellEditor {
    None,
    Frequency,  // Text1: receive and transmit frequency
    Tone,       // Combo8: receive and transmit tone, typed or chosen
    List,       // Combo5(EditCol): power, busy inhibit, bandwidth, scan
};

// The cell an editor was opened on. Every commit writes to this cell, not to the grid's current
// cell, which the user may have moved meanwhile.
struct GridEdit {
    int EditRow = 0;  // 1..48
    int EditCol = 0;  // 1..8
};

// Longest text the frequency editor takes.
inline constexpr int kFrequencyEditorChars = 9;
// Tones that may be typed, in hertz: the lowest and the highest of the tone list.
inline constexpr double kLowestTypedTone = 67.0;
inline constexpr double kHighestTypedTone = 254.1;

CellEditor EditorOfColumn(int column);

// The characters the frequency and tone editors let through as typing: digits and the point.
constexpr bool IsNumberEditorCharacter(char32_t c) {
    return (c >= U'0' && c <= U'9') || c == U'.';
}

// Whether a cell of channel `row` has an editor of its own: every channel cell of a channel in
// use, and of an empty channel only its receive frequency.
bool ChannelCellEditable(const Setup& setup, int row, int column);

// The user pressed a cell (or Enter on it): sets EditRow and EditCol and says which editor opens.
// On an empty channel only the receive frequency can be edited, so any of its cells opens that.
CellEditor OpenCellEditor(const Setup& setup, GridEdit& edit, int row, int column);

// The item an opening list editor shows: for a tone cell the position of its text in the tone
// list (-1 for a typed tone the list does not have), for columns 5 to 8 ChannelFlags.
int OpeningPosition(const Setup& setup, const GridEdit& edit);

// What the frequency editor makes of a typed frequency: blanks around it dropped, a plain decimal
// number in the band shown (lower limit included, upper excluded), rounded to five decimals and
// moved onto the channel raster. Whatever else lands a frequency in a cell goes through it too.
enum class FrequencyOutcome {
    Landed,      // `cell` is the text the cell gets
    NotANumber,  // not a plain decimal number (an empty text included)
    OutOfBand,   // a number outside the band shown
};
struct FrequencyEntry {
    FrequencyOutcome outcome = FrequencyOutcome::NotANumber;
    std::string cell;
};
FrequencyEntry EnterFrequency(const Setup& setup, std::string_view text);

// The cells and ChannelFlags a channel typed into an empty row starts with, once its receive
// frequency is in: the same transmit frequency, no tones, high power, busy lockout off, wide, in
// the scan list. List cells are written in `cells`.
void StartNewChannel(Setup& setup, int row, Language cells);

// A selected position the tone editor does not have: its text was typed.
inline constexpr int kTypedTone = -1;

// What the tone editor makes of a typed tone: a plain number from 67 to 254.1, with one decimal
// ("88" gives "88.0"); nothing for anything else.
std::optional<std::string> TypedToneCell(std::string_view text);

// A tone as the tone editor leaves it: an item chosen from the tone list, or a tone typed, which
// the list may lack ("68.0").
struct ToneEntry {
    int position = 0;   // in the tone list; kTypedTone for a typed tone
    std::string typed;  // a typed tone's cell text
};

// A channel as typing and choosing its cells makes it: the frequencies as EnterFrequency leaves
// them, the tones, and the positions of the power, busy-lockout, bandwidth and scan items.
struct ChannelEntry {
    std::string receive;
    std::string transmit;
    ToneEntry receiveTone;
    ToneEntry transmitTone;
    int power = 1;
    int busyLockout = 0;
    int bandwidth = 1;
    int scan = 1;
};

// Channel `row` becomes `entry` as a user would make it there: the receive frequency typed into
// the emptied row, which starts a new channel, then the transmit frequency, then each tone typed
// or chosen and each list item chosen. List cells are written in `cells`.
void PlaceChannel(Setup& setup, int row, const ChannelEntry& entry, Language cells);

// Item `position` of the list of cell (row, column) chosen, as its editor's list commits it: the
// cell shows the item in `cells` and ChannelFlags keeps the position. The tone columns take the
// tone list, columns 5 to 8 the list of Combo5(column). False, and nothing changed, when the
// column has no list or the list no such item.
bool SetListCell(Setup& setup, int row, int column, int position, Language cells);

// The frequency editor lost the focus with `text`. An empty receive frequency deletes the
// channel; an empty transmit frequency, a text that is not a plain decimal number (surrounding
// blanks allowed) and a frequency outside the band change nothing; the last says so through
// `host`. A frequency in the band is moved onto the channel raster; a new channel gets the
// transmit frequency and the list values of a fresh channel.
struct FrequencyCommit {
    Changes changes;
    bool outOfBand = false;  // the message was shown: the grid takes the focus back
};
FrequencyCommit CommitFrequency(ProgramState& state, Host& host, const GridEdit& edit,
                                std::string_view text);

// An item chosen from the tone list: the cell shows it and ChannelFlags keeps its position.
Changes ChooseTone(ProgramState& state, const GridEdit& edit, int position);

// The tone editor lost the focus showing `text` at `position` (kTypedTone when typed). A typed
// number from 67 to 254.1 lands with one decimal; anything else keeps the cell, and a "D" code or
// the "off" item was committed when it was chosen. ChannelFlags is left as it was.
Changes CommitTypedTone(Setup& setup, const GridEdit& edit, std::string_view text, int position);

// An item chosen from Combo5(EditCol): the cell shows it and ChannelFlags keeps its position.
Changes ChooseListItem(ProgramState& state, const GridEdit& edit, int position);

}  // namespace qv
