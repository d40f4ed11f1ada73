// The key-assignment dialog (Form6): list Combo(k + 1) shows KeyFunctionCodes entry k.
#pragma once

#include "image/program_state.h"

namespace qv {

inline constexpr int kKeyEntries = 10;
inline constexpr int kLongPressFunctions = 13;   // positions 0..12
inline constexpr int kShortPressFunctions = 10;  // positions 0..9

void LoadForm6(ProgramState& state);

}  // namespace qv
