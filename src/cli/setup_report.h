// A set-up as a person reads it: band, channels in use, settings, keys, DTMF codes, test channels
// and embedded information, in English.
#pragma once

#include <string>

#include "state/program_state.h"

namespace qv::cli {

// `state` should hold English cell texts (decoded with LanguageIsEnglish = 1).
std::string SetupReport(const ProgramState& state);

}  // namespace qv::cli
