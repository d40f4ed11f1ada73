// The texts of the desktop program's newer windows, one row per text.
#include "i18n/desktop_texts.h"

#include "i18n/text_table.h"

namespace qv {
namespace {

// One row per DesktopText, in the order of the enumeration.
constexpr TextRow<DesktopText> kDesktopTexts[] = {
    {DesktopText::KeepChangesQuestion, "当前设置有尚未保存的修改。是否先保存？",
     "The set-up has changes that are not saved. Save them first?"},
    {DesktopText::ImportTitle, "导入信道 (CSV)", "Import channels (CSV)"},
    {DesktopText::ImportFile, "文件：%1", "File: %1"},
    {DesktopText::ImportFromChannel, "起始信道(&F)", "&From channel"},
    {DesktopText::ImportFirstEmpty, "第一个空信道（%1）", "First empty channel (%1)"},
    {DesktopText::ImportNoEmptyChannel, "第一个空信道（没有空信道）",
     "First empty channel (none is empty)"},
    {DesktopText::ImportWillFill, "将填入 %1 个信道：%2。", "%1 channel(s) will be filled: %2."},
    {DesktopText::ImportWillReplace, "其中 %1 个信道已有数据，将被替换：%2。",
     "%1 of them hold a channel now, which will be replaced: %2."},
    {DesktopText::ImportFillsNothing, "没有可导入的行。", "No row can be imported."},
    {DesktopText::ImportRefused, "无法导入此文件：%1。未做任何修改。",
     "This file cannot be imported: %1. Nothing will change."},
    {DesktopText::ImportSkipped, "跳过的行（%1）：", "Rows skipped (%1):"},
    {DesktopText::ImportNoneSkipped, "没有跳过的行。", "No row is skipped."},
    {DesktopText::ImportColumnLine, "行", "Line"},
    {DesktopText::ImportColumnLocation, "位置", "Location"},
    {DesktopText::ImportColumnReason, "原因", "Reason"},
    {DesktopText::ImportSkippedName, "跳过的行", "Rows skipped"},
    {DesktopText::ImportAtLocation, "每行放入其 Location 所指的信道(&L)",
     "Put each row into the channel its &Location names"},
    {DesktopText::ExportDone, "已将 %1 个信道导出到 %2。", "%1 channel(s) exported to %2."},
    {DesktopText::PdfDone, "已将设置写入 PDF 文件 %1。", "The set-up was written as a PDF to %1."},
    {DesktopText::PasteRefusedHead, "以下单元格未粘贴：", "These cells were not pasted:"},
    {DesktopText::PasteCell, "%1 %2“%3”：", "%1 %2 \"%3\": "},
    {DesktopText::PasteNotANumber, "不是数字", "not a number"},
    {DesktopText::PasteOutOfBand, "超出所选频段", "outside the band shown"},
    {DesktopText::PasteNotAnItem, "不是此列表中的项目", "not an item of this column's list"},
    {DesktopText::PasteEmptyChannel, "空信道请先填入接收频率",
     "an empty channel takes its receive frequency first"},
    {DesktopText::PastePastLastChannel, "超出最后一个信道（48）", "past the last channel (48)"},
    {DesktopText::PastePastLastColumn, "超出最后一列", "past the last column"},
    {DesktopText::PasteMore, "……另有 %1 个", "... and %1 more"},
    {DesktopText::PasteDeleted,
     "粘贴删除了 %1 个信道（粘贴的接收频率为空）：%2。撤销（Ctrl+Z）可恢复它们。",
     "The paste deleted %1 channel(s), whose receive frequency it left empty: %2. Undo (Ctrl+Z) "
     "brings them back."},
    {DesktopText::CopyNotATable,
     "所选单元格不构成一个表格，未复制：请选择一块矩形区域，或几个完整的信道。",
     "The selected cells do not form a table and were not copied: select a rectangle of cells, "
     "or whole channels."},
    {DesktopText::PrintTitle, "QV-7100 信道表", "QV-7100 channel plan"},
    {DesktopText::PrintFile, "文件：%1", "File: %1"},
    {DesktopText::PrintNoFile, "文件：（未保存）", "File: (not saved)"},
    {DesktopText::PrintDate, "日期：%1", "Date: %1"},
    {DesktopText::CsvFilter, "信道表 (*.csv *.CSV)", "Channel plans (*.csv *.CSV)"},
    {DesktopText::PdfFilter, "PDF 文件 (*.pdf)", "PDF files (*.pdf)"},
    {DesktopText::ExportCsvTitle, "导出信道 (CSV)", "Export channels (CSV)"},
    {DesktopText::ExportPdfTitle, "导出 PDF", "Export PDF"},
    {DesktopText::WriteStoppedAtBackup, "未写入：写频前无法读取对讲机的数据作备份。",
     "Nothing was written: the radio could not be read into a backup first."},
    {DesktopText::WriteNotVerified, "已写入，但无法回读对讲机进行校验。",
     "Written, but the radio could not be read back to verify."},
    {DesktopText::RestoreTitle, "从备份恢复", "Restore from backup"},
    {DesktopText::RestoreFolder, "备份文件夹：%1", "Backups in %1"},
    {DesktopText::RestoreNone, "还没有备份。每次读频和写频都会保存一份。",
     "There is no backup yet. Every read and write keeps one."},
    {DesktopText::RestoreListName, "备份列表", "Backups"},
    {DesktopText::RestoreOpen, "打开(&O)", "&Open"},
    {DesktopText::RestoreWrite, "原样写入对讲机(&W)", "&Write to the radio as it is"},
    {DesktopText::RestoreWriteQuestion,
     "将 %1 的备份（%2）原样写入对讲机吗？对讲机中现有的数据将被替换。",
     "Write the backup of %1 (%2) into the radio as it is? What the radio holds now will be "
     "replaced."},
    {DesktopText::CompareTitle, "与对讲机比较", "Compare with radio"},
    {DesktopText::CompareSame, "显示的设置与对讲机中的数据一致。",
     "The set-up shown and the radio hold the same."},
    {DesktopText::CompareField, "项目", "Field"},
    {DesktopText::CompareShown, "显示", "Shown"},
    {DesktopText::CompareRadio, "对讲机", "Radio"},
    {DesktopText::CompareListName, "不同之处", "Differences"},
    {DesktopText::Close, "关闭(&C)", "&Close"},
};

static_assert(RowsInIdOrder(kDesktopTexts, DesktopText::Close),
              "kDesktopTexts must hold one row per DesktopText, in enum order");

}  // namespace

std::string_view DesktopTextOf(DesktopText id, Language language) {
    return TextOf(kDesktopTexts, id, language);
}

std::string DesktopTextWith(DesktopText id, Language language,
                            std::initializer_list<std::string_view> values) {
    return FilledText(kDesktopTexts, id, language, values);
}

}  // namespace qv
