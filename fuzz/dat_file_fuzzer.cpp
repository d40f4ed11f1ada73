// Any file contents opened as a *.DAT set-up: refused whole, or loaded into a set-up whose saved
// file is a valid set-up again.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "image/image_codec.h"
#include "rules/program/dat_file.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "support/quiet_host.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::test::QuietHost host;
    qv::ImageBytes image;
    if (!qv::ParseDatFile(std::span(data, size), image).ok()) return 0;
    if (size < qv::kDatFileBytes) std::abort();
    qv::ProgramState state = qv::StartupState(host);
    qv::DecodeImageBytes(image, state, host);
    const qv::ImageBytes saved = qv::EncodeImage(state);
    qv::ProgramState reopened = qv::StartupState(host);
    qv::DecodeImageBytes(saved, reopened, host);
    if (qv::EncodeImage(reopened) != saved) std::abort();
    return 0;
}
