// The texts of the programming station's window, one row per text.
#include "i18n/station_window_texts.h"

#include "i18n/text_table.h"

namespace qv {
namespace {

using Id = StationWindowTextId;

// One row per StationWindowTextId, in the order of the enumeration.
constexpr TextRow<Id> kTexts[] = {
    {Id::WindowTitle, "编程工作站", "Programming station"},
    {Id::Intro,
     "把显示的设置（%1，%2）写入插到所选端口上的每台对讲机，一台接一台，中间无需点击。"
     "每台对讲机保留自己的功率校准，每台都记入编程记录。",
     "Writes the set-up shown (%1, %2) into every radio plugged into a chosen port, one after "
     "another, with no click between them. Each radio keeps its own power calibration, and each "
     "is entered in the programming log."},
    {Id::Untitled, "未命名", "untitled"},
    {Id::Ports, "端口", "Ports"},
    {Id::Lines, "每台对讲机的嵌入信息", "Each radio's embedded lines"},
    {Id::KeepLines, "保留设置中的嵌入信息(&K)", "&Keep the set-up's lines"},
    {Id::PatternLines, "按格式编号(&P)", "Number them by a &pattern"},
    {Id::RosterLines, "取自名单文件(&F)", "From a roster &file"},
    {Id::LineOne, "第 1 行(&I)：", "L&ine 1:"},
    {Id::LineTwo, "第 2 行(&E)：", "Lin&e 2:"},
    {Id::PatternHint, "{n} 是对讲机的编号，{n:03} 是补零到三位的编号；留空的行保留设置中的内容。",
     "{n} is the radio's number, {n:03} the number with zeros in front to three digits; a line "
     "left empty keeps the set-up's."},
    {Id::FirstNumber, "起始编号(&R)：", "Fi&rst number:"},
    {Id::RosterFile, "名单文件：", "Roster file:"},
    {Id::RosterBrowse, "浏览(&O)…", "Br&owse…"},
    {Id::RosterDialogTitle, "选择名单文件", "Choose the roster"},
    {Id::RosterFilter, "名单 (*.csv *.CSV)", "Rosters (*.csv *.CSV)"},
    {Id::PreviewName, "对讲机将得到的嵌入信息", "The lines the radios get"},
    {Id::PreviewEvery, "每台对讲机：第 1 行“%1”，第 2 行“%2”",
     "Every radio: line 1 \"%1\", line 2 \"%2\""},
    {Id::PreviewFirst, "第一台对讲机：第 1 行“%1”，第 2 行“%2”，之后逐台加一",
     "The first radio: line 1 \"%1\", line 2 \"%2\"; the next ones count on"},
    {Id::PreviewRoster, "名单共 %1 行；第一台对讲机：第 1 行“%2”，第 2 行“%3”",
     "The roster has %1 rows; the first radio: line 1 \"%2\", line 2 \"%3\""},
    {Id::ChooseRoster, "请选择名单文件：第一行为列名 line1 和/或 line2，之后每台对讲机一行",
     "Choose a roster: a CSV file whose first row names the columns line1 and/or line2, then a "
     "row per radio"},
    {Id::RosterRefused, "名单文件 %1 不能使用：\n%2", "The roster %1 cannot be used:\n%2"},
    {Id::ValuesRefused, "每台对讲机的嵌入信息不能使用：\n%1",
     "The lines for each radio cannot be used:\n%1"},
    {Id::NotStarted, "工作站没有启动。", "The station was not started."},
    {Id::LogFile, "编程记录(&L)：", "&Log file:"},
    {Id::LogBrowse, "浏览(&W)…", "Bro&wse…"},
    {Id::LogDialogTitle, "选择编程记录文件", "Choose the programming log"},
    {Id::LogFilter, "编程记录 (*.csv *.CSV)", "Programming logs (*.csv *.CSV)"},
    {Id::LogEmpty, "编程记录 %1 中还没有对讲机。", "No radio is in the log %1 yet."},
    {Id::LogShown, "编程记录 %2 中最近的 %1 台对讲机，最新的在最上面。",
     "The last %1 radios of the log %2, the newest on top."},
    {Id::LogUnreadable, "无法读取编程记录 %1：%2", "The programming log %1 cannot be read: %2"},
    {Id::LogLinesUnread, "有 %1 行不是编程记录的行，未显示：第 %2 行",
     "%1 lines are no rows of the log and are not shown: lines %2"},
    {Id::LogEndUnread, "编程记录末尾部分有 %1 行不是编程记录的行，未显示",
     "%1 lines near the end of the log are no rows of it and are not shown"},
    {Id::LogFailedBox, "%1\n\n以下对讲机未能记入编程记录：\n%2",
     "%1\n\nThese radios are not in the log:\n%2"},
    {Id::NotInLog, "（未记入编程记录）", "(not in the log)"},
    {Id::Table, "编程记录中最近的对讲机(&D)", "Last ra&dios in the log"},
    {Id::ColumnTime, "时间", "Time"},
    {Id::ColumnPort, "端口", "Port"},
    {Id::ColumnRadio, "对讲机", "Radio"},
    {Id::ColumnBand, "频段", "Band"},
    {Id::ColumnLineOne, "第 1 行", "Line 1"},
    {Id::ColumnLineTwo, "第 2 行", "Line 2"},
    {Id::ColumnResult, "结果", "Result"},
    {Id::ColumnVerify, "校验", "Verify"},
    {Id::ColumnBackup, "备份", "Backup"},
    {Id::ColumnDetail, "说明", "Detail"},
    {Id::ResultWritten, "已写入", "written"},
    {Id::ResultFailed, "失败", "failed"},
    {Id::ResultSkipped, "已跳过", "skipped"},
    {Id::VerifyVerified, "一致", "verified"},
    {Id::VerifyDiffers, "不同", "differs"},
    {Id::VerifyNotChecked, "未校验", "not checked"},
    {Id::Bench, "各端口的状态", "Each port's state"},
    {Id::BenchHint, "勾选端口后按“开始”：每个端口的状态会以大字显示在这里。",
     "Check the ports and press Start: each port's state shows here in large letters."},
    {Id::PortCaption, "%1  %2", "%1  %2"},
    {Id::StateName, "%1 状态", "%1 state"},
    {Id::DetailName, "%1 详情", "%1 details"},
    {Id::CounterWritten, "已写入", "Written"},
    {Id::CounterVerified, "已校验", "Verified"},
    {Id::CounterFailed, "失败", "Failed"},
    {Id::CounterSkipped, "已跳过", "Skipped"},
    {Id::StopNow, "立即停止(&N)", "Stop &now"},
    {Id::SameDevice, "%1 和 %2 是同一个设备 %3：请只勾选其中一个。",
     "%1 and %2 stand for the same device %3: check only one of them."},
    {Id::Running, "工作站在 %1 个端口上等待对讲机：插上一台就写入一台。",
     "The station waits for radios on %1 ports: each radio plugged in is written."},
    {Id::Stopping, "正在停止：不再接收对讲机，正在写入的对讲机写完为止；“立即停止”马上结束它们。",
     "Stopping: no more radios are taken; the radios being written finish. Stop now ends them "
     "at once."},
    {Id::StoppingNow, "正在立即停止：正在写入的对讲机马上结束。",
     "Stopping now: the radios being written are ended at once."},
    {Id::Stopped, "工作站已停止：%1。%2。", "The station has stopped: %1. %2."},
    {Id::StoppedAsked, "按了“停止”", "Stop was pressed"},
    {Id::StatusName, "工作站状态", "Station status"},
    {Id::RadioEndedCue, "%1，第 %2 台对讲机：%3（%4）", "%1, radio %2: %3 (%4)"},
    {Id::CueOneBeep, "响一声", "one beep"},
    {Id::CueThreeBeeps, "响三声", "three beeps"},
    {Id::CloseQuestion, "编程工作站正在运行。要停止它，并在正在写入的对讲机写完后关闭窗口吗？",
     "The programming station is running. Stop it, and close the window once the radios being "
     "written have finished?"},
};
static_assert(RowsInIdOrder(kTexts, Id::CloseQuestion),
              "kTexts must hold one row per StationWindowTextId, in enumeration order");

// The texts above whose %1 is a count, as said when it is 1.
constexpr TextRow<Id> kOnes[] = {
    {Id::PreviewRoster, "名单共 1 行；第一台对讲机：第 1 行“%2”，第 2 行“%3”",
     "The roster has 1 row; the only radio: line 1 \"%2\", line 2 \"%3\""},
    {Id::LogShown, "编程记录 %2 中最近的 1 台对讲机。", "The last radio of the log %2."},
    {Id::LogLinesUnread, "有 1 行不是编程记录的行，未显示：第 %2 行",
     "1 line is no row of the log and is not shown: line %2"},
    {Id::LogEndUnread, "编程记录末尾部分有 1 行不是编程记录的行，未显示",
     "1 line near the end of the log is no row of it and is not shown"},
    {Id::Running, "工作站在 1 个端口上等待对讲机：插上一台就写入一台。",
     "The station waits for radios on 1 port: each radio plugged in is written."},
};

}  // namespace

std::string StationWindowText(StationWindowTextId id, Language language,
                              std::initializer_list<std::string_view> values) {
    return FilledCountText(kTexts, kOnes, id, language, values);
}

}  // namespace qv
