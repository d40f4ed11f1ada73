// The key-assignment dialog (Form6): list Combo(k + 1) shows KeyFunctionCodes entry k.
#pragma once

#include "state/program_state.h"

namespace qv {

// As the window is created: every list shows its key's held function.
void LoadForm6(Setup& setup);

}  // namespace qv
