// The texts of the programming station, one row per text.
#include "i18n/station_texts.h"

#include "i18n/text_table.h"

namespace qv {
namespace {

// One row per StationTextId, in the order of the enumeration.
constexpr TextRow<StationTextId> kTexts[] = {
    {StationTextId::PatternBraceNotClosed, "第 %1 行的格式：第 %2 个字符处的“{”没有用“}”闭合",
     "the pattern of line %1: the \"{\" at character %2 is never closed"},
    {StationTextId::PatternUnknownPlaceholder,
     "第 %1 行的格式：第 %2 个字符处的 %3 不是编号：编号写作 {n}，补零到三位写作 {n:03}；"
     "大括号本身写作 {{ 和 }}",
     "the pattern of line %1: %3 at character %2 is no counter: write {n}, or {n:03} for three "
     "digits with zeros in front; {{ and }} stand for the braces themselves"},
    {StationTextId::PatternLoneClosingBrace,
     "第 %1 行的格式：第 %2 个字符处的“}”没有对应的“{”（大括号本身写作 }}）",
     "the pattern of line %1: the \"}\" at character %2 closes nothing (write }} for a brace)"},
    {StationTextId::RosterUnreadable, "名单文件 %1：%2", "the roster %1: %2"},
    {StationTextId::RosterWideEncoding, "名单文件的编码是 %1：请另存为 UTF-8 编码的 CSV 文件",
     "the roster is written in %1: save it as CSV in UTF-8"},
    {StationTextId::RosterNoHeader,
     "名单文件是空的：第一行应为列名（line1 和/或 line2），之后每台对讲机一行",
     "the roster is empty: its first row names the columns (line1 and/or line2), then a row "
     "follows for each radio"},
    {StationTextId::RosterNoLineColumn, "名单文件的第一行没有 line1 列，也没有 line2 列",
     "the roster's first row names neither a column line1 nor a column line2"},
    {StationTextId::RosterColumnTwice, "名单文件的第一行两次列出了 %1 列",
     "the roster's first row names the column %1 twice"},
    {StationTextId::RosterQuotesOutOfPlace,
     "名单第 %1 行：双引号位置不对，无法确定各单元格在何处结束",
     "roster line %1: a double quote out of place, so where its cells end is not certain"},
    {StationTextId::RosterNoRadios, "名单文件只有列名，没有任何对讲机的行",
     "the roster names its columns but has no row for a radio"},
    {StationTextId::LineFromBoth, "第 %1 行既由格式给出，又由名单的 line%1 列给出：只能选一种",
     "line %1 is given both by a pattern and by the roster's column line%1: choose one"},
    {StationTextId::WhereRosterCell, "名单第 %1 行的 line%2", "roster line %1, line%2"},
    {StationTextId::WhereCounterValue, "第 %1 行在编号 %2 时", "line %1 with the number %2"},
    {StationTextId::ValueTooLong, "“%1”有 %2 个字符，一行最多 %3 个",
     "\"%1\" has %2 characters; a line holds %3"},
    {StationTextId::ValueUnstorable, "“%1”含有对讲机无法存储的字符：%2",
     "\"%1\" holds characters the radio cannot store: %2"},
    {StationTextId::WhereAndWhat, "%1：%2", "%1: %2"},
    {StationTextId::LogIsAnotherFile, "%1 不是编程记录（它的第一行是“%2”）：请另选一个文件",
     "%1 is not a programming log (its first line is \"%2\"): choose another file"},
    {StationTextId::LogUnwritable, "无法写入编程记录 %1：%2",
     "the programming log %1 cannot be written: %2"},
    {StationTextId::PortWaiting, "等待对讲机", "waiting for a radio"},
    {StationTextId::PortNotOpen, "端口打不开，继续尝试：%1",
     "the port does not open; trying again: %1"},
    {StationTextId::PortLost, "端口的设备不见了，继续尝试",
     "the port's device went away; trying again"},
    {StationTextId::OtherModel, "另一种型号应答（%1），等待 QV-7100",
     "another model answers (%1); waiting for a QV-7100"},
    {StationTextId::NoRadioAgain, "没有应答，等待对讲机", "nothing answers; waiting for a radio"},
    {StationTextId::RadioArrived, "第 %1 台对讲机已连接：%2", "radio %1 arrived: %2"},
    {StationTextId::EmbeddedLines, "嵌入信息第 1 行“%1”，第 2 行“%2”",
     "embedded line 1 \"%1\", line 2 \"%2\""},
    {StationTextId::RadioWaitsForValues,
     "有一台对讲机应答，但各编号都被正在写入的对讲机占用：待其中一台失败后再写入",
     "a radio answers, but every value left is held by a radio being written: it is taken if one "
     "of them fails"},
    {StationTextId::RadioStep, "第 %1 台对讲机：%2", "radio %1: %2"},
    {StationTextId::RadioWrittenVerified, "第 %1 台对讲机：已写入并校验一致（%2 秒）",
     "radio %1: written and verified (%2 s)"},
    {StationTextId::RadioWritten, "第 %1 台对讲机：已写入（%2 秒）", "radio %1: written (%2 s)"},
    {StationTextId::RadioFailed, "第 %1 台对讲机：失败：%2（%3 秒）",
     "radio %1: failed: %2 (%3 s)"},
    {StationTextId::RadioSkipped, "第 %1 台对讲机：已跳过：%2", "radio %1: skipped: %2"},
    {StationTextId::RadioBackup, "第 %1 台对讲机：备份 %2", "radio %1: backup %2"},
    {StationTextId::RemoveRadio, "请取下对讲机", "remove the radio"},
    {StationTextId::RadioGone, "第 %1 台对讲机已取下", "radio %1 removed"},
    {StationTextId::OtherBand, "对讲机为 %1 频段，设置为 %2 频段",
     "the radio is a %1 radio and the set-up is for %2"},
    {StationTextId::DifferencesFound, "校验发现 %1 处不同，首先是：%2",
     "verify found %1 differences, the first: %2"},
    {StationTextId::ReadingBackupFailed, "读出备份时：%1；未写入任何数据",
     "reading the radio into a backup: %1; nothing was written"},
    {StationTextId::WriteFailedMayBeMixed, "%1；对讲机里现在可能新旧设置混杂，请重新写频",
     "%1; the radio may now hold a mix of its old and the new set-up: write it again"},
    {StationTextId::ReadingBackFailed, "写入后读回校验时：%1", "reading back to verify: %1"},
    {StationTextId::StateWaiting, "等待对讲机", "Waiting for a radio"},
    {StationTextId::StateWriting, "正在写入 %1 %", "Writing %1 %"},
    {StationTextId::StateVerified, "校验一致：请取下对讲机", "Verified: remove the radio"},
    {StationTextId::StateWritten, "已写入：请取下对讲机", "Written: remove the radio"},
    {StationTextId::StateFailed, "失败：%1，请取下对讲机", "Failed: %1, remove the radio"},
    {StationTextId::StateSkipped, "已跳过：%1，请取下对讲机", "Skipped: %1, remove the radio"},
    {StationTextId::StateStopped, "已停止", "Stopped"},
    {StationTextId::CountReached, "已处理 %1 台对讲机：不再接收对讲机",
     "%1 radios handled: no more radios are taken"},
    {StationTextId::RosterUsedUp, "名单已用完（%1 行都已写入）：不再接收对讲机",
     "the roster is used up (all its %1 rows were written): no more radios are taken"},
    {StationTextId::CounterUsedUp, "编号已用完（%1）：不再接收对讲机",
     "the counter is used up (%1): no more radios are taken"},
    {StationTextId::LogFailedStopping, "%1：不能记录就不再写入，不再接收对讲机",
     "%1: a station that cannot record does not program; no more radios are taken"},
    {StationTextId::Stopping, "正在停止：不再接收对讲机，正在写入的对讲机写完为止",
     "stopping: no more radios are taken; the radios being written finish"},
    {StationTextId::Summary, "共 %1 台：%2 台已写入，%3 台已校验，%4 台失败，%5 台跳过",
     "%1 radios: %2 written, %3 verified, %4 failed, %5 skipped"},
    {StationTextId::LogFile, "编程记录：%1", "programming log: %1"},
};
static_assert(RowsInIdOrder(kTexts, StationTextId::LogFile),
              "kTexts must hold one row per StationTextId, in enumeration order");

// The texts above whose %1 is a count, as said when it is 1.
constexpr TextRow<StationTextId> kOnes[] = {
    {StationTextId::CountReached, "已处理 1 台对讲机：不再接收对讲机",
     "1 radio handled: no more radios are taken"},
    {StationTextId::RosterUsedUp, "名单已用完（1 行已写入）：不再接收对讲机",
     "the roster is used up (its 1 row was written): no more radios are taken"},
    {StationTextId::DifferencesFound, "校验发现 1 处不同：%2", "verify found 1 difference: %2"},
    {StationTextId::Summary, "共 1 台：%2 台已写入，%3 台已校验，%4 台失败，%5 台跳过",
     "1 radio: %2 written, %3 verified, %4 failed, %5 skipped"},
};

}  // namespace

std::string StationText(StationTextId id, Language language,
                        std::initializer_list<std::string_view> values) {
    return FilledCountText(kTexts, kOnes, id, language, values);
}

}  // namespace qv
