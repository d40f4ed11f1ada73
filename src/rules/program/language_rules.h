// The language commands of the main window.
#pragma once

#include "state/changes.h"
#include "state/program_state.h"

namespace qv {

// mnuChinese (english = false) and mnuEnglish (english = true): the flag changes only from the
// other language, then every caption and the grid's list cells follow. A flag the program never
// stores (2 or more, from a foreign parameter file) takes neither command.
Changes ChooseLanguage(ProgramState& state, bool english);

}  // namespace qv
