// read, write and simulate: the radio link from the command line.
#include "cli/commands.h"

namespace qv::cli {

void AddLinkCommands(CLI::App&, Action&) {}

}  // namespace qv::cli
