// The texts of backups, one row per text.
#include "i18n/backup_texts.h"

#include "i18n/text_table.h"

namespace qv {
namespace {

// One row per BackupTextId, in the order of the enumeration.
constexpr TextRow<BackupTextId> kTexts[] = {
    {BackupTextId::KindRead, "读频", "read"},
    {BackupTextId::KindBeforeWrite, "写频前", "before write"},
    {BackupTextId::KindWritten, "写入后", "written"},
    {BackupTextId::KindSent, "已发送（未读回）", "sent (not read back)"},
    {BackupTextId::ColumnDate, "日期", "Date"},
    {BackupTextId::ColumnBand, "频段", "Band"},
    {BackupTextId::ColumnPort, "端口", "Port"},
    {BackupTextId::ColumnKind, "类型", "Kind"},
    {BackupTextId::ColumnChannels, "已用信道", "Channels"},
    {BackupTextId::ColumnEmbedded, "嵌入信息第 1 行", "Embedded line 1"},
    {BackupTextId::Damaged, "已损坏", "damaged"},
    {BackupTextId::NotSaved, "无法保存备份 %1：%2", "The backup %1 could not be saved: %2"},
    {BackupTextId::FolderUnreadable, "无法读取备份文件夹 %1：%2",
     "The backups folder %1 cannot be read: %2"},
    {BackupTextId::WriteWithoutBackup,
     "已读出对讲机的数据，但无法保存备份 %1：%2\n\n不备份就写入对讲机吗？",
     "The radio's memory was read, but its backup %1 could not be saved: %2\n\nWrite the radio "
     "without a backup?"},
    {BackupTextId::NotWrittenNoBackup, "未写入：对讲机的备份无法保存。",
     "Nothing was written: the radio's backup could not be saved."},
};
static_assert(RowsInIdOrder(kTexts, BackupTextId::NotWrittenNoBackup),
              "kTexts must hold one row per BackupTextId, in enumeration order");

}  // namespace

std::string BackupText(BackupTextId id, Language language,
                       std::initializer_list<std::string_view> values) {
    return FilledText(kTexts, id, language, values);
}

}  // namespace qv
