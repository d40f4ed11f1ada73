// The file commands without their dialogs: what Open and Save do with a chosen file.
#pragma once

#include <filesystem>

#include "state/host.h"
#include "state/program_state.h"
#include "state/status.h"

namespace qv {

// Open: the file's image replaces the set-up. A refused file changes nothing.
Status OpenSetupFile(const std::filesystem::path& path, ProgramState& state, Host& host);

// Save: the set-up's image goes to the file.
Status SaveSetupFile(const std::filesystem::path& path, const Setup& setup);

}  // namespace qv
