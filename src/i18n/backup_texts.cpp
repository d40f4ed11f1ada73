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
    {BackupTextId::Damaged, "已损坏", "damaged"},
    {BackupTextId::NotSaved, "无法保存备份 %1：%2", "The backup %1 could not be saved: %2"},
};
static_assert(RowsInIdOrder(kTexts, BackupTextId::NotSaved),
              "kTexts must hold one row per BackupTextId, in enumeration order");

}  // namespace

std::string BackupText(BackupTextId id, Language language,
                       std::initializer_list<std::string_view> values) {
    return FilledText(kTexts, id, language, values);
}

}  // namespace qv
