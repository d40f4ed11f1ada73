// The code grid of the optional-functions dialog: eight DTMF codes, typed key by key.
#pragma once

#include <string>
#include <string_view>

#include "state/changes.h"
#include "state/host.h"
#include "state/program_state.h"

namespace qv {

inline constexpr int kDtmfCodeRows = 8;
inline constexpr int kDtmfCodeChars = 16;  // the radio keeps this many characters of a code
inline constexpr char kKeyBackspace = '\b';
inline constexpr char kKeyEnter = '\r';

// A key typed into a code cell: "a" to "z" become upper case; then only A, B, C, D, the digits,
// "#", "*", Backspace and Enter are taken. Returns the key to type, or '\0' to discard it.
char DtmfCellKey(char key);

// Text that arrives in one piece (a paste), each character taken as if it were typed.
std::string DtmfCellText(std::string_view text);

// Code cell `row` (1..8) holds `code` after an edit: the text as it stands, also when too long.
Changes EditDtmfCode(Setup& setup, int row, std::string code);

// After a cell edit: a code longer than the radio keeps is told about; the text stays.
void WarnAboutDtmfCode(Host& host, std::string_view code);

}  // namespace qv
