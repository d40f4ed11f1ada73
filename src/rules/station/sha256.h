// SHA-256 (FIPS 180-4) of a few kilobytes: the programming log names the bytes written into each
// radio by their digest, so that a line of the log can be checked against a radio read later.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace qv {

using Sha256Digest = std::array<std::uint8_t, 32>;

Sha256Digest Sha256(std::span<const std::uint8_t> bytes);

// The digest as 64 lower-case hexadecimal digits, as sha256sum prints it.
std::string Sha256Hex(std::span<const std::uint8_t> bytes);

}  // namespace qv
