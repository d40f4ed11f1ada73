// Any bytes handed to DecodeImage: fewer than an image's are refused and change nothing; otherwise
// they decode into a set-up whose image decodes to itself.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "image/image_codec.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "support/quiet_host.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::test::QuietHost host;
    // The first byte picks the language the cells are written in.
    const int language = size > 0 ? data[0] % 3 : 0;
    qv::ProgramState state = qv::StartupState(host, language);
    const qv::ImageBytes before = qv::EncodeImage(state);
    const qv::Status status = qv::DecodeImage(std::span(data, size), state, host);
    const qv::ImageBytes after = qv::EncodeImage(state);
    if (status.ok() != (size >= qv::kImageBytes)) std::abort();
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
