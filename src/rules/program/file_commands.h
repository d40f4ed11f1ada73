// The file commands without their dialogs: what Open and Save do with a chosen file.
#pragma once

#include <filesystem>

#include "state/changes.h"
#include "state/host.h"
#include "state/program_state.h"
#include "state/status.h"

namespace qv {

// Open: the file's image replaces the set-up. A refused file changes nothing.
Status OpenSetupFile(const std::filesystem::path& path, ProgramState& state, Host& host);

// Save: the set-up's image goes to the file.
Status SaveSetupFile(const std::filesystem::path& path, const Setup& setup);

// New: after a warning answered OK, the cells of every channel in use are emptied. The function
// settings, the held values and ChannelFlags stay.
Changes NewCommand(ProgramState& state, Host& host);

// The save dialog chose a file that exists: true when the user agrees to replace it.
bool ConfirmOverwrite(const Session& session, Host& host);

// The message-box style of a file command's failure: a file of another kind gets the program's own
// plain message; every other failure says what the system said, with the stop icon.
int FileMessageStyle(const Status& status);

// The main window's title after a save: the product name, "-" and the file's full name.
std::string SavedWindowTitle(const std::string& fullFileName);

}  // namespace qv
