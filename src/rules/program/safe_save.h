// Replacing a file's contents without harming what is there: the new bytes go to a fresh file
// beside the old one and take its name in one rename, so a failure at any step leaves the old
// file as it was. A symbolic link is written through; anything that is not a regular file is
// refused.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "state/status.h"

namespace qv {

// Whether a save to `path` could succeed now, without changing anything: the name (at the end of
// its symbolic links) is a regular file that may be written or a name still free, in a folder
// that exists and may be written.
Status CheckSaveTarget(const std::filesystem::path& path);

// Replaces the contents of the file at `path` (at the end of its symbolic links) with `bytes`,
// creating it when it does not exist. A replaced file keeps its permissions and, where the
// process may set them, its owner and group; a new file gets 0666 less the umask. The new
// contents are on disk before they take the name.
Status ReplaceFileContents(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// A name given, renamed or linked in `folder` lasts through a power cut only once the folder is on
// disk too (`folder` empty: the working folder).
void SyncFolder(const std::filesystem::path& folder);

}  // namespace qv
