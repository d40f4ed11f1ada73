#include "rules/program/dat_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fstream>

#include "rules/program/safe_save.h"

namespace qv {

Status ParseDatFile(std::span<const std::uint8_t> content, ImageBytes& image) {
    const bool signed_ =
        content.size() >= kDatSignature.size() &&
        std::equal(kDatSignature.begin(), kDatSignature.end(), content.begin(),
                   [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
    if (!signed_) return Status::Refused(MessageId::WrongFileType);
    if (content.size() < kDatFileBytes) {
        return Status::Refused(MessageId::FileTooShort, Detail::ByteCount(content.size()));
    }
    std::copy_n(content.begin() + kDatSignature.size(), kImageBytes, image.begin());
    return Status::Ok();
}

Status ReadDatFile(const std::filesystem::path& path, ImageBytes& image) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return Status::Refused(MessageId::FileUnreadable, Detail::SystemError({}, errno));
    std::array<std::uint8_t, kDatFileBytes> content{};
    file.read(reinterpret_cast<char*>(content.data()), content.size());
    if (file.bad())
        return Status::Refused(MessageId::FileUnreadable, Detail::SystemError({}, errno));
    const auto length = static_cast<std::size_t>(file.gcount());
    return ParseDatFile(std::span(content).first(length), image);
}

Status WriteDatFile(const std::filesystem::path& path, const ImageBytes& image) {
    std::array<std::uint8_t, kDatFileBytes> content{};
    const auto end = std::copy(kDatSignature.begin(), kDatSignature.end(), content.begin());
    std::copy(image.begin(), image.end(), end);
    return ReplaceFileContents(path, content);
}

}  // namespace qv
