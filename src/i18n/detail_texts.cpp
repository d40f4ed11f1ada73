// The texts of refusal details, one row per system error or kind of file.
#include "i18n/detail_texts.h"

#include <string_view>
#include <system_error>

namespace qv {
namespace {

struct ErrorRow {
    std::errc error;
    std::string_view chinese;
    std::string_view english;  // the system's own English wording
};

constexpr ErrorRow kErrors[] = {
    {std::errc::no_such_file_or_directory, "没有那个文件或文件夹", "No such file or directory"},
    {std::errc::permission_denied, "权限不够", "Permission denied"},
    {std::errc::operation_not_permitted, "不允许的操作", "Operation not permitted"},
    {std::errc::no_space_on_device, "磁盘空间不足", "No space left on device"},
    {std::errc::read_only_file_system, "只读文件系统", "Read-only file system"},
    {std::errc::is_a_directory, "是一个文件夹", "Is a directory"},
    {std::errc::not_a_directory, "不是文件夹", "Not a directory"},
    {std::errc::file_exists, "文件已存在", "File exists"},
    {std::errc::too_many_symbolic_link_levels, "符号链接的层数过多",
     "Too many levels of symbolic links"},
    {std::errc::filename_too_long, "文件名过长", "File name too long"},
    {std::errc::io_error, "输入/输出错误", "Input/output error"},
    {std::errc::file_too_large, "文件过大", "File too large"},
    {std::errc::device_or_resource_busy, "设备或资源忙", "Device or resource busy"},
    {std::errc::too_many_files_open, "打开的文件过多", "Too many open files"},
    {std::errc::no_such_device_or_address, "没有那个设备或地址", "No such device or address"},
    {std::errc::no_such_device, "没有那个设备", "No such device"},
    {std::errc::text_file_busy, "文件正被使用", "Text file busy"},
};

struct KindRow {
    FileKind kind;
    std::string_view chinese;
    std::string_view english;
};

constexpr KindRow kKinds[] = {
    {FileKind::Directory, "是一个文件夹", "is a directory"},
    {FileKind::NamedPipe, "是一个命名管道", "is a named pipe"},
    {FileKind::CharacterDevice, "是一个字符设备", "is a character device"},
    {FileKind::BlockDevice, "是一个块设备", "is a block device"},
    {FileKind::Socket, "是一个套接字", "is a socket"},
    {FileKind::Other, "不是普通文件", "is not a regular file"},
};

template <typename Row>
std::string_view In(const Row& row, Language language) {
    return language == Language::English ? row.english : row.chinese;
}

std::string KindText(long long kind, Language language) {
    for (const KindRow& row : kKinds) {
        if (static_cast<long long>(row.kind) == kind) return std::string(In(row, language));
    }
    return std::string(In(kKinds[std::size(kKinds) - 1], language));
}

std::string ReasonText(const Detail& detail, Language language) {
    const bool english = language == Language::English;
    const std::string number = std::to_string(detail.value);
    switch (detail.reason) {
        case Detail::Reason::None:
            return {};
        case Detail::Reason::SystemError:
            return SystemErrorText(static_cast<int>(detail.value), language);
        case Detail::Reason::ByteCount:
            return english ? number + " bytes" : number + " 字节";
        case Detail::Reason::FileKind:
            return KindText(detail.value, language);
    }
    return {};
}

}  // namespace

std::string SystemErrorText(int error, Language language) {
    for (const ErrorRow& row : kErrors) {
        if (static_cast<int>(row.error) == error) return std::string(In(row, language));
    }
    return std::generic_category().message(error);
}

std::string Detail::Describe(Language language) const {
    const std::string why = ReasonText(*this, language);
    if (subject.empty()) return why;
    if (why.empty()) return subject;
    return subject + (language == Language::English ? ": " : "：") + why;
}

std::string WithDetail(std::string_view message, const Detail& detail, Language language) {
    std::string text(message);
    if (detail.Empty()) return text;
    if (language == Language::English) return text + " (" + detail.Describe(language) + ")";
    return text + "（" + detail.Describe(language) + "）";
}

}  // namespace qv
