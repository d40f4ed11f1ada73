// The texts of writing several radios, one row per text.
#include "i18n/fleet_texts.h"

#include "i18n/text_table.h"

namespace qv {
namespace {

// One row per FleetTextId, in the order of the enumeration.
constexpr TextRow<FleetTextId> kTexts[] = {
    {FleetTextId::Written, "已写入", "written"},
    {FleetTextId::SkippedOtherBand, "已跳过：对讲机为 %1 频段", "skipped: the radio is a %1 radio"},
    {FleetTextId::Failed, "失败：%1", "failed: %1"},
    {FleetTextId::FailedMayBeMixed, "失败：%1；对讲机里现在可能新旧设置混杂，请重新写频",
     "failed: %1; the radio may now hold a mix of its old and the new set-up: write it again"},
    {FleetTextId::FailedReadingBackup, "失败：读出备份时：%1；未写入任何数据",
     "failed: reading the backup: %1; nothing was written"},
    {FleetTextId::NotWrittenNoBackup, "未写入：无法保存其备份 %1：%2",
     "not written: its backup %1 could not be saved: %2"},
    {FleetTextId::StoppedNothingWritten, "已停止：未写入任何数据", "stopped: nothing was written"},
    {FleetTextId::StoppedMidWrite, "已停止（在第 %1 个写频数据包时）：对讲机里可能新旧设置混杂",
     "stopped at write frame %1: the radio may hold a mix of its old and the new set-up"},
    {FleetTextId::Verified, "一致", "verified"},
    {FleetTextId::Differs, "%1 处不同", "%1 differences"},
    {FleetTextId::NotVerifiedReadingBack, "未校验：读回时：%1", "not verified: reading back: %1"},
    {FleetTextId::VerifyStopped, "已停止：未读回", "stopped: not read back"},
    {FleetTextId::BackupFile, "备份 %1", "backup %1"},
    {FleetTextId::BackupNotSaved, "备份 %1 未能保存：%2", "backup %1 not saved: %2"},
    {FleetTextId::StepBackupRead, "正在读出备份", "reading the radio into a backup"},
    {FleetTextId::StepWrite, "正在写入", "writing"},
    {FleetTextId::StepVerifyRead, "正在读回校验", "reading back to verify"},
    {FleetTextId::Seconds, "%1 秒", "%1 s"},
    {FleetTextId::ListSeparator, "，", ", "},
    {FleetTextId::WindowTitle, "写入多台对讲机", "Write to several radios"},
    {FleetTextId::Intro, "把显示的设置（%1）同时写入每台勾选的对讲机，每个端口一台。",
     "Writes the set-up shown (%1) into every checked radio at once, one radio on each port."},
    {FleetTextId::Radios, "对讲机(&R)", "&Radios"},
    {FleetTextId::ColumnPort, "端口", "Port"},
    {FleetTextId::ColumnDevice, "设备", "Device"},
    {FleetTextId::ColumnProgress, "进度", "Progress"},
    {FleetTextId::ColumnResult, "结果", "Result"},
    {FleetTextId::NoDevice, "（无设备）", "(no device)"},
    {FleetTextId::PortName, "%1，设备 %2", "%1, device %2"},
    {FleetTextId::ProgressName, "%1 进度", "%1 progress"},
    {FleetTextId::ResultName, "%1 结果", "%1 result"},
    {FleetTextId::OtherBand, "其他频段的对讲机也写入(&A)", "Write radios of &another band too"},
    {FleetTextId::Verify, "写入后校验(&V)", "&Verify after write"},
    {FleetTextId::BackupFirst, "写入前先读出备份(&B)", "Read each radio into a &backup first"},
    {FleetTextId::Start, "开始(&S)", "&Start"},
    {FleetTextId::Stop, "停止(&T)", "S&top"},
    {FleetTextId::NothingChecked, "没有勾选端口：请先勾选要写入的对讲机所在的端口。",
     "No port is checked: check the ports of the radios to write first."},
    {FleetTextId::Running, "正在写入 %1 台对讲机……", "Writing %1 radios..."},
    {FleetTextId::Summary, "共 %4 台：%1 台已写入，%2 台已校验，%3 台失败或跳过。",
     "%4 radios: %1 written, %2 verified, %3 failed or skipped."},
    {FleetTextId::SummaryName, "写入结果", "Outcome of the write"},
};
static_assert(RowsInIdOrder(kTexts, FleetTextId::SummaryName),
              "kTexts must hold one row per FleetTextId, in enumeration order");

// The texts above whose %1 is a count, as said when it is 1.
constexpr TextRow<FleetTextId> kOnes[] = {
    {FleetTextId::Differs, "1 处不同", "1 difference"},
    {FleetTextId::Running, "正在写入 1 台对讲机……", "Writing 1 radio..."},
};

}  // namespace

std::string FleetText(FleetTextId id, Language language,
                      std::initializer_list<std::string_view> values) {
    return FilledCountText(kTexts, kOnes, id, language, values);
}

}  // namespace qv
