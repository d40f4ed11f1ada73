// The *.DAT set-up file: the signature "PLQ82" followed by the 1520 image bytes, 1525 bytes in all.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "image/memory_image.h"
#include "state/status.h"

namespace qv {

inline constexpr std::string_view kDatSignature = "PLQ82";
inline constexpr std::size_t kDatFileBytes = kDatSignature.size() + kImageBytes;

// The image of a file's contents. The signature must match exactly (lower case is another file
// type); a file too short to hold a whole image is refused rather than half loaded. Bytes after
// the first 1525 are ignored.
Status ParseDatFile(std::span<const std::uint8_t> content, ImageBytes& image);

// Reads at most the first 1525 bytes of `path` and parses them.
Status ReadDatFile(const std::filesystem::path& path, ImageBytes& image);

// Replaces the contents of `path` with signature and image as ReplaceFileContents does: a failed
// save leaves the file that was there as it was, a symbolic link is written through, and a
// folder, a device or a pipe at `path` is refused.
Status WriteDatFile(const std::filesystem::path& path, const ImageBytes& image);

}  // namespace qv
