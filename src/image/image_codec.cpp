#include "image/image_codec.h"

#include <algorithm>

#include "image/image_layout.h"

namespace qv {

ImageBytes EncodeImageBytes(const ProgramState& state) {
    ImageBytes bytes;
    bytes.fill(0xFF);
    for (const ImageField& field : ImageLayout()) {
        const FieldOut out(bytes.data() + field.offset, field.size);
        if (field.encode != nullptr) {
            field.encode(state, out);
        } else {
            std::transform(field.constant.begin(), field.constant.end(), out.begin(),
                           [](char c) { return static_cast<std::uint8_t>(c); });
        }
    }
    return bytes;
}

MemoryImage EncodeImage(const ProgramState& state) {
    return HexText(EncodeImageBytes(state));
}

void DecodeImageBytes(const ImageBytes& bytes, ProgramState& state, Host& host) {
    state.CalibrationUnlocked = false;
    for (const ImageField& field : ImageLayout()) {
        if (field.decode == nullptr) continue;
        field.decode(FieldBytes(bytes.data() + field.offset, field.size), state, host);
    }
}

Status DecodeImage(std::string_view image, ProgramState& state, Host& host) {
    ImageBytes bytes;
    if (Status parsed = ParseImage(image, bytes); !parsed.ok()) return parsed;
    DecodeImageBytes(bytes, state, host);
    return Status::Ok();
}

}  // namespace qv
