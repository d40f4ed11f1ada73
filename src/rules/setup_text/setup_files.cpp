#include "rules/setup_text/setup_files.h"

#include <cerrno>
#include <fstream>
#include <span>
#include <system_error>

#include "image/image_codec.h"
#include "rules/program/dat_file.h"
#include "rules/program/decode_image.h"
#include "rules/program/file_commands.h"
#include "rules/program/safe_save.h"

namespace qv {
namespace {

std::string LowerExtension(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return extension;
}

SetupTextProblem TooLarge(std::uintmax_t bytes) {
    SetupTextProblem problem;
    problem.id = SetupTextId::FileTooLarge;
    problem.values = {std::to_string(bytes), std::to_string(kLargestSetupTextBytes)};
    return problem;
}

// The bytes of a text file; a file past the largest size is refused before it is read.
SetupFileRead ReadTextFile(const std::filesystem::path& path, std::string& text) {
    SetupFileRead read;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        read.status = Status::Refused(MessageId::FileUnreadable,
                                      Detail::Kind(path.string(), FileKind::Directory));
        return read;
    }
    if (const std::uintmax_t size = std::filesystem::file_size(path, error);
        !error && size > kLargestSetupTextBytes) {
        read.text.errors.push_back(TooLarge(size));
        return read;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        read.status =
            Status::Refused(MessageId::FileUnreadable, Detail::SystemError(path.string(), errno));
        return read;
    }
    // A pipe or a device tells no size: it is read up to one byte past the largest.
    std::string content(kLargestSetupTextBytes + 1, '\0');
    file.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (file.bad()) {
        read.status =
            Status::Refused(MessageId::FileUnreadable, Detail::SystemError(path.string(), errno));
        return read;
    }
    content.resize(static_cast<std::size_t>(file.gcount()));
    if (content.size() > kLargestSetupTextBytes) {
        read.text.errors.push_back(TooLarge(content.size()));
        return read;
    }
    text = std::move(content);
    return read;
}

SetupFileRead ReadTextSetup(const std::filesystem::path& path, Language cells) {
    std::string text;
    SetupFileRead read = ReadTextFile(path, text);
    if (!read.ok()) return read;
    read.text = ReadSetupText(text, cells);
    return read;
}

}  // namespace

SetupFileKind SetupFileKindOf(const std::filesystem::path& path) {
    const std::string extension = LowerExtension(path);
    return extension == ".yaml" || extension == ".yml" ? SetupFileKind::Text : SetupFileKind::Image;
}

bool HasSetupFileExtension(const std::filesystem::path& path) {
    return SetupFileKindOf(path) == SetupFileKind::Text || LowerExtension(path) == ".dat";
}

SetupFileRead OpenAnySetupFile(const std::filesystem::path& path, ProgramState& state, Host& host) {
    if (SetupFileKindOf(path) == SetupFileKind::Image) {
        return {OpenSetupFile(path, state, host), {}};
    }
    SetupFileRead read = ReadTextSetup(path, CaptionLanguage(state.LanguageIsEnglish));
    if (read.ok()) ApplyDecodedSetup(state, host, *std::move(read.text.decoded));
    return read;
}

SetupFileRead ReadAnySetupImage(const std::filesystem::path& path, ImageBytes& image) {
    if (SetupFileKindOf(path) == SetupFileKind::Image) return {ReadDatFile(path, image), {}};
    SetupFileRead read = ReadTextSetup(path, Language::English);
    if (read.ok()) image = EncodeImage(read.text.decoded->setup);
    return read;
}

SetupFileSaved SaveAnySetupFile(const std::filesystem::path& path, const Setup& setup) {
    if (SetupFileKindOf(path) == SetupFileKind::Image) return {SaveSetupFile(path, setup), {}};
    WrittenSetupText written = WriteSetupText(setup);
    return {WriteSetupTextFile(path, written.text), std::move(written.refused)};
}

Status WriteSetupTextFile(const std::filesystem::path& path, std::string_view text) {
    return ReplaceFileContents(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace qv
