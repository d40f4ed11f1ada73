// What a set-up as text must be as bytes before YAML is read from it: not too large, UTF-8, and
// indented with blanks only (yaml-cpp would name a tab in the indentation something else).
#pragma once

#include <optional>
#include <string_view>

#include "rules/setup_text/setup_text_problem.h"

namespace qv::setup_text {

// The first thing wrong with the bytes of `text`, at its line and column (counted in characters,
// from 1), or nothing.
std::optional<SetupTextProblem> CheckTextBytes(std::string_view text);

}  // namespace qv::setup_text
