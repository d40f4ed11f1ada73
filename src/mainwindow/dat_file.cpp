#include "mainwindow/dat_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

namespace qv {
namespace {

std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

std::filesystem::path TemporaryPathBeside(const std::filesystem::path& path) {
    std::random_device random;
    std::filesystem::path temporary = path;
    temporary += ".saving-" + std::to_string(random() % 1000000);
    return temporary;
}

}  // namespace

Status ParseDatFile(std::span<const std::uint8_t> content, ImageBytes& image) {
    const bool signed_ =
        content.size() >= kDatSignature.size() &&
        std::equal(kDatSignature.begin(), kDatSignature.end(), content.begin(),
                   [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
    if (!signed_) return Status::Refused(MessageId::WrongFileType);
    if (content.size() < kDatFileBytes) {
        return Status::Refused(MessageId::FileTooShort, std::to_string(content.size()) + " bytes");
    }
    std::copy_n(content.begin() + kDatSignature.size(), kImageBytes, image.begin());
    return Status::Ok();
}

Status ReadDatFile(const std::filesystem::path& path, ImageBytes& image) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return Status::Refused(MessageId::FileUnreadable, SystemReason(errno));
    std::array<std::uint8_t, kDatFileBytes> content{};
    file.read(reinterpret_cast<char*>(content.data()), content.size());
    if (file.bad()) return Status::Refused(MessageId::FileUnreadable, SystemReason(errno));
    const auto length = static_cast<std::size_t>(file.gcount());
    return ParseDatFile(std::span(content).first(length), image);
}

Status WriteDatFile(const std::filesystem::path& path, const ImageBytes& image) {
    const std::filesystem::path temporary = TemporaryPathBeside(path);
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) return Status::Refused(MessageId::FileUnwritable, SystemReason(errno));
        file.write(kDatSignature.data(), static_cast<std::streamsize>(kDatSignature.size()));
        file.write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
        file.close();
        if (!file) {
            const int error = errno;
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return Status::Refused(MessageId::FileUnwritable, SystemReason(error));
        }
    }
    std::error_code error;
    // A file that was there keeps its permissions.
    const auto existing = std::filesystem::status(path, error);
    if (!error && std::filesystem::exists(existing)) {
        std::filesystem::permissions(temporary, existing.permissions(), error);
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return Status::Refused(MessageId::FileUnwritable, error.message());
    }
    return Status::Ok();
}

}  // namespace qv
