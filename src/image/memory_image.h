// The memory image: the radio's memory from address 0x0010 on, as upper-case hexadecimal digit
// pairs. Image byte k is radio address 0x0010 + k.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "state/status.h"

namespace qv {

using MemoryImage = std::string;

inline constexpr std::size_t kImageBytes = 1520;  // what EncodeImage builds and files hold
inline constexpr std::size_t kImageDigits = 2 * kImageBytes;

using ImageBytes = std::array<std::uint8_t, kImageBytes>;

// The first 1520 bytes of an image text. A text shorter than that, or one with a character that
// is not a hexadecimal digit among its first 3040, is refused; digits after them are ignored
// (a read from the radio brings 1536 bytes).
Status ParseImage(std::string_view image, ImageBytes& bytes);

// Upper-case hexadecimal pairs of `bytes`.
std::string HexText(std::span<const std::uint8_t> bytes);

}  // namespace qv
