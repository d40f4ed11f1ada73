// The embedded-information dialog (Form7): Text1 and Text2 show the two held lines.
#pragma once

#include "state/program_state.h"

namespace qv {

void LoadForm7(Setup& setup);

}  // namespace qv
