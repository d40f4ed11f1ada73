// The program's settings between runs: three bytes, edit lock, port number and language.
#pragma once

#include <cstdint>
#include <filesystem>

#include "state/program_state.h"
#include "state/status.h"

namespace qv {

inline constexpr const char* kParameterFileName = "parameter";

// The three bytes as they stand in the file.
struct Parameters {
    std::uint8_t lock = 0;      // 1 locked, 0 unlocked; any other value leaves the lock alone
    std::uint8_t port = 0;      // CommPortNumber, 0 when no port was ever chosen
    std::uint8_t language = 0;  // LanguageIsEnglish

    friend bool operator==(const Parameters&, const Parameters&) = default;
};

// A missing file reads as 0 0 0, and a file shorter than three bytes reads its missing bytes as 0:
// unlocked, no port, Chinese. Bytes after the third are ignored.
Parameters ReadParameterFile(const std::filesystem::path& path);

// Writes the three bytes; the file that was there stays whole when that fails.
Status WriteParameterFile(const std::filesystem::path& path, const Parameters& parameters);

// The stored settings taken over at start-up: the lock, the port number for the next transfer (no
// port is opened or marked), the language flag.
void ApplyParameters(Session& session, const Parameters& parameters);

// What the program stores at exit.
Parameters ParametersOf(const Session& session);

}  // namespace qv
