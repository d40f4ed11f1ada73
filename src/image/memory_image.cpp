#include "image/memory_image.h"

#include "image/hex.h"

namespace qv {

std::string HexText(std::span<const std::uint8_t> bytes) {
    std::string text(2 * bytes.size(), '0');
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        text[2 * k] = kHexDigits[bytes[k] >> 4];
        text[2 * k + 1] = kHexDigits[bytes[k] & 0x0F];
    }
    return text;
}

}  // namespace qv
