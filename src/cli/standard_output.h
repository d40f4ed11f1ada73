// What a command prints on standard output must arrive: a full disk or a closed file is an error
// of the command, not a silent success.
#pragma once

#include <string>

namespace qv::cli {

// Writes `text` to standard output at once; throws CommandFailed, with the system's reason, when
// it cannot be written.
void PrintToStandardOutput(const std::string& text);

// Flushes whatever else went to standard output (the parser's help and version); throws as above
// when something printed could not be written.
void CheckStandardOutput();

}  // namespace qv::cli
