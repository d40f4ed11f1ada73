#include "rules/plans/wide_encoding.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace qv {
namespace {

struct KnownEncoding {
    WideEncoding encoding;
    std::string_view byteOrderMark;
    std::string_view name;
};

// The UTF-32 marks first: the mark of UTF-32 LE begins with that of UTF-16 LE.
constexpr std::string_view kMarkUtf32Le{"\xFF\xFE\x00\x00", 4};
constexpr std::string_view kMarkUtf32Be{"\x00\x00\xFE\xFF", 4};
constexpr KnownEncoding kEncodings[] = {
    {WideEncoding::Utf32LittleEndian, kMarkUtf32Le, "UTF-32 LE"},
    {WideEncoding::Utf32BigEndian, kMarkUtf32Be, "UTF-32 BE"},
    {WideEncoding::Utf16LittleEndian, "\xFF\xFE", "UTF-16 LE"},
    {WideEncoding::Utf16BigEndian, "\xFE\xFF", "UTF-16 BE"},
};

// How far into the text the zero bytes are counted: a header row's worth.
constexpr std::size_t kBytesLookedAt = 512;

}  // namespace

std::optional<WideEncoding> DetectWideEncoding(std::string_view bytes) {
    for (const KnownEncoding& known : kEncodings) {
        if (bytes.starts_with(known.byteOrderMark)) return known.encoding;
    }
    // Zero bytes counted by their place in each group of four.
    const std::size_t length = std::min(bytes.size(), kBytesLookedAt) / 4 * 4;
    if (length == 0) return std::nullopt;
    std::array<std::size_t, 4> zeros{};
    for (std::size_t k = 0; k < length; ++k) {
        if (bytes[k] == '\0') ++zeros[k % 4];
    }
    const std::size_t groups = length / 4;
    const auto most = [groups](std::size_t count) { return 2 * count > groups; };
    const auto few = [groups](std::size_t count) { return 4 * count < groups; };
    // A character below U+10000 has two zero bytes in UTF-32, the high ones; an ASCII one has a
    // third, and in UTF-16 one zero byte, the high one.
    if (zeros[3] == groups && most(zeros[2]) && few(zeros[0])) {
        return WideEncoding::Utf32LittleEndian;
    }
    if (zeros[0] == groups && most(zeros[1]) && few(zeros[3])) {
        return WideEncoding::Utf32BigEndian;
    }
    const std::size_t evenZeros = zeros[0] + zeros[2];
    const std::size_t oddZeros = zeros[1] + zeros[3];
    if (most(oddZeros / 2) && few(evenZeros / 2)) return WideEncoding::Utf16LittleEndian;
    if (most(evenZeros / 2) && few(oddZeros / 2)) return WideEncoding::Utf16BigEndian;
    return std::nullopt;
}

std::string_view EncodingName(WideEncoding encoding) {
    for (const KnownEncoding& known : kEncodings) {
        if (known.encoding == encoding) return known.name;
    }
    return {};
}

}  // namespace qv
