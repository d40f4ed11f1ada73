#include "image/memory_image.h"

#include "image/hex.h"

namespace qv {
Status ParseImage(std::string_view image, ImageBytes& bytes) {
    if (image.size() < kImageDigits) return Status::Refused(MessageId::ImageTooShort);
    ImageBytes parsed;
    for (std::size_t k = 0; k < kImageBytes; ++k) {
        const int high = HexDigitValue(image[2 * k]);
        const int low = HexDigitValue(image[2 * k + 1]);
        if (high < 0 || low < 0) {
            return Status::Refused(MessageId::ImageNotHex,
                                   "image byte " + std::to_string(k) + " = \"" +
                                       std::string(image.substr(2 * k, 2)) + "\"");
        }
        parsed[k] = static_cast<std::uint8_t>(high * 16 + low);
    }
    bytes = parsed;
    return Status::Ok();
}

std::string HexText(std::span<const std::uint8_t> bytes) {
    std::string text(2 * bytes.size(), '0');
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        text[2 * k] = kHexDigits[bytes[k] >> 4];
        text[2 * k + 1] = kHexDigits[bytes[k] & 0x0F];
    }
    return text;
}

}  // namespace qv
