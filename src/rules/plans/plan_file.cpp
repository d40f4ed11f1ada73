#include "rules/plans/plan_file.h"

#include <cerrno>
#include <fstream>
#include <span>
#include <system_error>
#include <utility>

#include "rules/program/safe_save.h"

namespace qv {
namespace {

Status Unreadable(std::string detail) {
    return Status::Refused(MessageId::FileUnreadable, std::move(detail));
}

}  // namespace

Status ReadPlanFile(const std::filesystem::path& path, std::string& text) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return Unreadable("it is a directory");
    std::ifstream file(path, std::ios::binary);
    if (!file) return Unreadable(std::generic_category().message(errno));
    std::string content;
    char chunk[1 << 16];
    while (file) {
        file.read(chunk, sizeof chunk);
        content.append(chunk, static_cast<std::size_t>(file.gcount()));
        if (content.size() > kLargestPlanFileBytes) {
            return Unreadable("larger than " + std::to_string(kLargestPlanFileBytes >> 20) +
                              " MiB: not a channel plan");
        }
    }
    if (file.bad()) return Unreadable(std::generic_category().message(errno));
    text = std::move(content);
    return Status::Ok();
}

Status WritePlanFile(const std::filesystem::path& path, std::string_view text) {
    return ReplaceFileContents(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace qv
