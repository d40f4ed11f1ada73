// The optional-functions dialog (Form5): its load step, and what the user does in it. Its lists,
// check boxes, resume-delay boxes, step controls and DTMF code grid change the dialog's controls
// only; OK copies them into the held values. Cancel and the close box change nothing, so the
// controls keep what the user chose until the next OK (or the next decoded image). The priority
// rules run whenever the priority mode or channel changes, whether the user or the decoder
// changed it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "state/changes.h"
#include "state/host.h"
#include "state/program_state.h"

namespace qv {

// A step control and the resume-delay box it writes into.
struct ResumeDelayStep {
    int OptionalFunctionsControls::*step;
    std::string OptionalFunctionsControls::*text;
};
inline constexpr std::array<ResumeDelayStep, 2> kResumeDelaySteps = {{
    {&OptionalFunctionsControls::VScroll1, &OptionalFunctionsControls::Text5},
    {&OptionalFunctionsControls::VScroll2, &OptionalFunctionsControls::Text6},
}};
// The radio accepts resume delays up to 300 seconds.
inline constexpr int kResumeDelayMax = 300;

// Whether a resume-delay box may hold `text`: whole seconds 0..300 in digits (at most three of
// them), or nothing, which the image takes as 0. A sign, a point, a letter or a larger number
// would reach the radio as a value it refuses or as 0.
bool ResumeDelayTextAcceptable(std::string_view text);

// The user chose `position` in `list`; the priority mode and channel run their rules, which may
// ask and put the list back.
Changes ChooseOptionalFunctionList(Setup& setup, Host& host, int OptionalFunctionsControls::*list,
                                   int position);

// The user ticked or cleared `box` (Check3 or Check4).
Changes SetOptionalFunctionCheck(Setup& setup, int OptionalFunctionsControls::*box, bool checked);

// The user edited a resume-delay box: it keeps the text as typed when acceptable (otherwise
// nothing changes), and the step control stays where it was.
Changes TypeResumeDelay(Setup& setup, std::string OptionalFunctionsControls::*box,
                        std::string text);

// A step control moved to `value` (held to 0..300): when that is a new value, its box shows it,
// whatever the box held; a step that leaves the value (down at 0, up at 300) changes nothing.
Changes MoveResumeDelayStep(Setup& setup, const ResumeDelayStep& step, int value);

// OK: the controls become the held values, as they are, without checks.
Changes StoreOptionalFunctions(Setup& setup);

inline constexpr int kPriorityNone = 0;
inline constexpr int kPriorityFixed = 1;
inline constexpr int kPriorityChannels = 16;  // the priority channel is one of channels 1..16

// Sets the priority mode list (Form5 Combo11). "Fixed" needs a channel in use among channels
// 1..16: the first one becomes the priority channel; with none the mode goes back to "none".
void SetPriorityMode(Setup& setup, Host& host, int position);

// Sets the priority channel list (Form5 Combo12, position = channel - 1). While the mode is
// "fixed" an empty channel is refused and the list returns to the channel found last.
void SetPriorityChannel(Setup& setup, Host& host, int position);

inline constexpr int kDtmfCodeRows = 8;
inline constexpr int kDtmfCodeColumn = 1;  // column 0 of the code grid numbers the rows
inline constexpr int kDtmfCodeChars = 16;  // the radio keeps this many characters of a code
inline constexpr char kKeyBackspace = '\b';
inline constexpr char kKeyEnter = '\r';

// A key typed into a code cell: "a" to "z" become upper case; then only A, B, C, D, the digits,
// "#", "*", Backspace and Enter are taken. Returns the key to type, or '\0' to discard it.
char DtmfCellKey(char key);

// Text that arrives in one piece (a paste), each character taken as if it were typed.
std::string DtmfCellText(std::string_view text);

// Only the code column of the code grid is edited; the row numbers stay.
constexpr bool DtmfCodeCellEditable(int column) {
    return column == kDtmfCodeColumn;
}

// Code cell `row` (1..8) holds `code` after an edit: the text as it stands, also when too long.
Changes EditDtmfCode(Setup& setup, int row, std::string code);

// After a cell edit: a code longer than the radio keeps is told about; the text stays.
void WarnAboutDtmfCode(Host& host, std::string_view code);

// Sets one of the dialog's lists; the priority mode and channel run their rules.
void SetOptionalFunctionControl(Setup& setup, Host& host, int OptionalFunctionsControls::*control,
                                int position);

// What the dialog's controls show after it is created, from the held values.
void LoadOptionalFunctionsDialog(Setup& setup, Host& host);

}  // namespace qv
