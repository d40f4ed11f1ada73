// The set-up files of the commands, of either kind by their names (*.DAT, or *.yaml and *.yml for
// a set-up as text): opened, read as an image and saved through one place, with what went wrong
// worded for the terminal, each error of a text at its place as compilers name one
// ("shop.yaml:12:5: channels[G1-02].rx: ...").
#pragma once

#include <string>

#include "image/memory_image.h"
#include "state/host.h"
#include "state/program_state.h"

namespace qv::cli {

// Opens `path` into `state` (a freshly started tool's), as the desktop's Open does. Throws
// CommandFailed (with `failureStatus`) when the file is refused, naming every error of a text;
// the sections a text lacks are noted on standard error.
void OpenSetup(const std::string& path, ProgramState& state, Host& host, int failureStatus = 1);

// The image the file stands for: a *.DAT file's own bytes, or what saving a text's set-up writes.
ImageBytes ReadSetupImage(const std::string& path, int failureStatus = 1);

// Saves `setup` into `path` in the kind its name says. Throws CommandFailed when the file cannot
// be written. A text that holds values the windows refuse is written, each such value with a
// comment; then, once the command has said what it did, FailOnRefusedValues says which.
[[nodiscard]] std::string SaveSetup(const std::string& path, const Setup& setup);

// Throws CommandFailed naming each refused value of a saved text (as SaveSetup returned them),
// when there are any.
void FailOnRefusedValues(const std::string& refused);

}  // namespace qv::cli
