// The file commands without their dialogs: what Open and Save do with a chosen file.
#pragma once

#include <filesystem>

#include "image/host.h"
#include "image/program_state.h"
#include "image/status.h"

namespace qv {

// Open: the file's image replaces the set-up. A refused file changes nothing.
Status OpenSetupFile(const std::filesystem::path& path, ProgramState& state, Host& host);

// Save: the set-up's image goes to the file.
Status SaveSetupFile(const std::filesystem::path& path, const ProgramState& state);

}  // namespace qv
