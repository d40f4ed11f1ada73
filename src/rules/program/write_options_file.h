// How the desktop program writes a radio, kept between runs in a small text file of its own
// beside the parameter file: older copies of the program read the parameter file's three bytes
// and nothing else, so the newer settings stay out of it. One "name=yes|no" per line; a line the
// program does not know is ignored, a missing file or value reads as the default.
#pragma once

#include <filesystem>

#include "state/status.h"

namespace qv {

inline constexpr const char* kWriteOptionsFileName = "qv7100.conf";

struct WriteOptions {
    bool verifyAfterWrite = false;  // read the radio back after a write and compare
    bool backupBeforeWrite = true;  // read the radio into a backup before a write

    friend bool operator==(const WriteOptions&, const WriteOptions&) = default;
};

WriteOptions ReadWriteOptions(const std::filesystem::path& path);

// Written the safe way: the file that was there stays whole when that fails.
Status WriteWriteOptionsFile(const std::filesystem::path& path, const WriteOptions& options);

}  // namespace qv
