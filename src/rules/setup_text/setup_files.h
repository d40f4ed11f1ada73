// Set-up files of either kind, told apart by their names: a *.yaml or *.yml file holds a set-up as
// text, any other a memory image (*.DAT). Every command that opens or saves a set-up goes through
// these, so that each takes both kinds alike.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "image/memory_image.h"
#include "rules/setup_text/setup_text.h"
#include "state/host.h"
#include "state/program_state.h"
#include "state/status.h"

namespace qv {

enum class SetupFileKind { Image, Text };

// By the name's extension, in any case: .yaml and .yml are text, anything else an image.
SetupFileKind SetupFileKindOf(const std::filesystem::path& path);

// Whether the name ends in one of the extensions of set-up files: .DAT, .yaml or .yml, in any
// case.
bool HasSetupFileExtension(const std::filesystem::path& path);

// What reading a set-up file came to.
struct SetupFileRead {
    // Why the file was refused as a whole: it could not be read, or a *.DAT file is of another
    // kind or too short.
    Status status = Status::Ok();
    // A text file's errors (any one refuses it) and the sections it lacks.
    SetupTextRead text;

    bool ok() const { return status.ok() && text.errors.empty(); }
};

// Open: the file's set-up replaces the program's, as one step, the same way for both kinds
// (calibration access closes, the priority rules run, the band is taken without a question). A
// refused file changes nothing. List cells are written in the session's language.
SetupFileRead OpenAnySetupFile(const std::filesystem::path& path, ProgramState& state, Host& host);

// The image a set-up file stands for: a *.DAT file's own, or the image of the set-up a text
// describes, as saving that set-up writes it.
SetupFileRead ReadAnySetupImage(const std::filesystem::path& path, ImageBytes& image);

// What saving came to: the values a text cannot carry for reading back, each on its line.
struct SetupFileSaved {
    Status status = Status::Ok();
    std::vector<SetupTextProblem> refused;
};

// Save: the set-up goes to the file in the kind its name says, as a safe save writes it.
SetupFileSaved SaveAnySetupFile(const std::filesystem::path& path, const Setup& setup);

// Writes a set-up's text as a safe save does (see ReplaceFileContents).
Status WriteSetupTextFile(const std::filesystem::path& path, std::string_view text);

}  // namespace qv
