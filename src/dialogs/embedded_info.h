// The embedded-information dialog (Form7): Text1 and Text2 show the two held lines.
#pragma once

#include "image/program_state.h"

namespace qv {

inline constexpr int kEmbeddedInfoBytes = 32;

void LoadForm7(ProgramState& state);

}  // namespace qv
