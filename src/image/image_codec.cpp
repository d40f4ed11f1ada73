#include "image/image_codec.h"

#include <algorithm>
#include <utility>

#include "image/image_layout.h"

namespace qv {

ImageBytes EncodeImage(const Setup& setup) {
    ImageBytes bytes;
    bytes.fill(0xFF);
    for (const ImageField& field : ImageLayout()) {
        const FieldOut out(bytes.data() + field.offset, field.size);
        if (field.encode != nullptr) {
            field.encode(setup, out);
        } else {
            std::transform(field.constant.begin(), field.constant.end(), out.begin(),
                           [](char c) { return static_cast<std::uint8_t>(c); });
        }
    }
    return bytes;
}

DecodedChoices DecodeInto(const ImageBytes& image, Setup& setup, Language cellLanguage) {
    DecodedChoices choices;
    Decoding decoding{setup, cellLanguage, choices};
    for (const ImageField& field : ImageLayout()) {
        if (field.decode == nullptr) continue;
        field.decode(FieldBytes(image.data() + field.offset, field.size), decoding);
    }
    return choices;
}

DecodedSetup DecodeSetup(const ImageBytes& image, Setup base, Language cellLanguage) {
    DecodedSetup decoded{std::move(base), {}};
    decoded.choices = DecodeInto(image, decoded.setup, cellLanguage);
    return decoded;
}

}  // namespace qv
