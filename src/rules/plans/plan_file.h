// Channel plan files on disk: read whole, and written as a safe save writes, so that a failed
// export leaves the file that was there as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "state/status.h"

namespace qv {

// A plan of 48 channels takes a few kilobytes; a file far larger is not one.
inline constexpr std::uintmax_t kLargestPlanFileBytes = 16u << 20;

// The bytes of the file at `path`. A folder, a file that cannot be read and a file larger than
// kLargestPlanFileBytes are refused.
Status ReadPlanFile(const std::filesystem::path& path, std::string& text);

// Replaces the contents of `path` with `text` (see ReplaceFileContents).
Status WritePlanFile(const std::filesystem::path& path, std::string_view text);

}  // namespace qv
