// Reading the small files by which the system shows its devices and processes (sysfs, /proc,
// /dev): what is missing or cannot be read comes back empty, never as an error.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qv {

// The first line of `file` without its line end; empty when it cannot be read.
std::string FirstLine(const std::filesystem::path& file);

// KEY's value in a uevent file of KEY=value lines ("DEVNAME"); empty when it has none.
std::string UeventValue(const std::filesystem::path& file, const std::string& key);

// The entries of `folder`, by name; none when it cannot be read.
std::vector<std::filesystem::path> FolderEntries(const std::filesystem::path& folder);

// `path` with every link resolved; none when it does not exist.
std::optional<std::filesystem::path> Resolved(const std::filesystem::path& path);

// Where the link `link` leads, the rest resolved as far as it exists: a link to a node that is
// gone still says which it was. None when `link` is no link.
std::optional<std::filesystem::path> LinkTarget(const std::filesystem::path& link);

// Whether `path` is `folder` or lies below it (both resolved alike).
bool IsWithin(const std::filesystem::path& path, const std::filesystem::path& folder);

std::string LowerCase(std::string text);

}  // namespace qv
