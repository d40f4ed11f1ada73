#include "i18n/detail_texts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

namespace qv {
namespace {

bool HasLatinLetter(const std::string& text) {
    for (const char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
    }
    return false;
}

TEST(DetailTexts, CommonSystemErrorsReadInEitherLanguage) {
    const struct {
        int error;
        const char* chinese;
        const char* english;
    } cases[] = {
        {ENOENT, "没有那个文件或文件夹", "No such file or directory"},
        {EACCES, "权限不够", "Permission denied"},
        {EPERM, "不允许的操作", "Operation not permitted"},
        {ENOSPC, "磁盘空间不足", "No space left on device"},
        {EROFS, "只读文件系统", "Read-only file system"},
        {EISDIR, "是一个文件夹", "Is a directory"},
        {ENOTDIR, "不是文件夹", "Not a directory"},
        {ELOOP, "符号链接的层数过多", "Too many levels of symbolic links"},
        {ENAMETOOLONG, "文件名过长", "File name too long"},
        {EIO, "输入/输出错误", "Input/output error"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SystemErrorText(c.error, Language::Chinese), c.chinese) << c.english;
        EXPECT_EQ(SystemErrorText(c.error, Language::English), c.english) << c.english;
        EXPECT_FALSE(HasLatinLetter(SystemErrorText(c.error, Language::Chinese))) << c.english;
    }
}

TEST(DetailTexts, AnErrorWithoutTextsOfOursKeepsTheSystemsOwn) {
    for (const Language language : {Language::Chinese, Language::English}) {
        EXPECT_EQ(SystemErrorText(EPROTO, language), std::generic_category().message(EPROTO));
    }
}

TEST(DetailTexts, DetailsAndBracketsFollowTheLanguage) {
    const struct {
        Detail detail;
        const char* chinese;
        const char* english;
    } cases[] = {
        {Detail::ByteCount(100), "文件太短。（100 字节）", "Too short. (100 bytes)"},
        {Detail::SystemError("/x/y.DAT", ENOENT), "文件太短。（/x/y.DAT：没有那个文件或文件夹）",
         "Too short. (/x/y.DAT: No such file or directory)"},
        {Detail::SystemError({}, EACCES), "文件太短。（权限不够）",
         "Too short. (Permission denied)"},
        {Detail::Kind("/x", FileKind::NamedPipe), "文件太短。（/x：是一个命名管道）",
         "Too short. (/x: is a named pipe)"},
        {Detail::Subject("x.DAT"), "文件太短。（x.DAT）", "Too short. (x.DAT)"},
        {Detail::Subject({}), "文件太短。", "Too short."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithDetail("文件太短。", c.detail, Language::Chinese), c.chinese);
        EXPECT_EQ(WithDetail("Too short.", c.detail, Language::English), c.english);
    }
}

}  // namespace
}  // namespace qv
