// Any text handed to DecodeImage: it either refuses it and changes nothing, or decodes it into a
// set-up that encodes to a full image, and that image decodes to itself.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "image/image_codec.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "support/quiet_host.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::test::QuietHost host;
    // The first byte picks the language the cells are written in.
    const int language = size > 0 ? data[0] % 3 : 0;
    qv::ProgramState state = qv::StartupState(host, language);
    const std::string_view image(reinterpret_cast<const char*>(data), size);
    const std::string before = qv::EncodeImage(state);
    const qv::Status status = qv::DecodeImage(image, state, host);
    const std::string after = qv::EncodeImage(state);
    if (after.size() != 3040) std::abort();
    if (!status.ok()) {
        if (after != before) std::abort();  // a refused image changes nothing
        return 0;
    }
    // A second round through the codec gives the same image.
    qv::ProgramState again = qv::StartupState(host, language);
    if (!qv::DecodeImage(after, again, host).ok()) std::abort();
    if (qv::EncodeImage(again) != after) std::abort();
    return 0;
}
