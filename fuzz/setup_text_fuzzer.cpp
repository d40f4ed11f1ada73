// Any bytes read as a set-up as text: no crash, no exception, and for every input:
// - a refused text gives no set-up and names at least one error; every error of a line stands on
//   a line the text has;
// - a text taken gives a set-up whose text, written and read again, is taken without an error,
//   gives the same image, and is written again byte for byte the same;
// - the first byte picks the language of the grid's list cells, which changes neither the image
//   nor the text.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "image/image_codec.h"
#include "rules/setup_text/setup_text.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const qv::Language cells = data[0] & 1 ? qv::Language::English : qv::Language::Chinese;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const qv::SetupTextRead read = qv::ReadSetupText(text, cells);
    if (!read.ok()) {
        Check(!read.errors.empty());
        const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
        for (const qv::SetupTextProblem& error : read.errors) {
            Check(error.line >= 0 && error.line <= lines);
            // Every error can be put in words in both languages.
            Check(!qv::Describe(error, qv::Language::English).empty());
            Check(!qv::Describe(error, qv::Language::Chinese).empty());
        }
        return 0;
    }
    Check(read.errors.empty());
    const qv::Setup& setup = read.decoded->setup;
    const qv::WrittenSetupText written = qv::WriteSetupText(setup);
    Check(written.refused.empty());
    const qv::SetupTextRead back = qv::ReadSetupText(written.text, qv::Language::English);
    Check(back.ok() && back.missing.empty());
    Check(qv::EncodeImage(back.decoded->setup) == qv::EncodeImage(setup));
    Check(qv::WriteSetupText(back.decoded->setup).text == written.text);
    return 0;
}
