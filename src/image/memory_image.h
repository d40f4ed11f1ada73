// The memory image: the radio's memory from address 0x0010 on, as bytes. Image byte k is radio
// address 0x0010 + k.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace qv {

inline constexpr std::size_t kImageBytes = 1520;  // what EncodeImage builds and files hold

using ImageBytes = std::array<std::uint8_t, kImageBytes>;

// Upper-case hexadecimal pairs of `bytes`, for people to read (transcripts, reports).
std::string HexText(std::span<const std::uint8_t> bytes);

}  // namespace qv
