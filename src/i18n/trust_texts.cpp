// The texts of verify, backups, comparisons and fleet writes, one row per text.
#include "i18n/trust_texts.h"

#include <cstddef>
#include <iterator>

#include "i18n/placeholders.h"

namespace qv {
namespace {

struct TrustTextRow {
    TrustTextId id;
    std::string_view chinese;
    std::string_view english;
};

// One row per TrustTextId, in the order of the enumeration.
constexpr TrustTextRow kTexts[] = {
    {TrustTextId::Channel, "信道 %1", "channel %1"},
    {TrustTextId::ChannelField, "信道 %1，%2", "channel %1, %2"},
    {TrustTextId::ReceiveTone, "接收亚音频", "RX QT/DQT"},
    {TrustTextId::TransmitTone, "发射亚音频", "TX QT/DQT"},
    {TrustTextId::DtmfCode, "DTMF 码 %1", "DTMF code %1"},
    {TrustTextId::TestChannelField, "测试信道 %1，%2", "test channel %1, %2"},
    {TrustTextId::EmbeddedLine, "嵌入信息，第 %1 行", "embedded information, line %1"},
    {TrustTextId::RadioMemory, "对讲机内存 %1", "radio memory %1"},
    {TrustTextId::Empty, "（空）", "(empty)"},
    {TrustTextId::Checked, "选中", "checked"},
    {TrustTextId::NotChecked, "未选中", "not checked"},
    {TrustTextId::WroteButRadioHolds, "%1：写入 %2，对讲机中为 %3", "%1: wrote %2, radio holds %3"},
    {TrustTextId::ShownButRadioHolds, "%1：显示 %2，对讲机中为 %3", "%1: shown %2, radio holds %3"},
    {TrustTextId::OneHasOtherHas, "%1：%2 中为 %3，%4 中为 %5", "%1: %2 has %3, %4 has %5"},
    {TrustTextId::MoreDifferences, "……另有 %1 处不同", "... and %1 more differences"},
    {TrustTextId::VerifyPassed, "校验通过：对讲机中的数据与写入的一致。",
     "Verified: the radio holds what was written."},
    {TrustTextId::VerifyFailed, "校验失败：对讲机中有 %1 处与写入的不同。",
     "Verify failed: the radio holds %1 differences from what was written."},
    {TrustTextId::BackupKindRead, "读频", "read"},
    {TrustTextId::BackupKindBeforeWrite, "写频前", "before write"},
    {TrustTextId::BackupKindWritten, "写入后", "written"},
    {TrustTextId::BackupDamaged, "已损坏", "damaged"},
    {TrustTextId::BackupNotSaved, "无法保存备份 %1：%2", "The backup %1 could not be saved: %2"},
    {TrustTextId::FleetWritten, "已写入", "written"},
    {TrustTextId::FleetSkippedOtherBand, "已跳过：对讲机为 %1 频段",
     "skipped: the radio is a %1 radio"},
    {TrustTextId::FleetFailed, "失败：%1", "failed: %1"},
    {TrustTextId::FleetVerified, "一致", "verified"},
    {TrustTextId::FleetDiffers, "%1 处不同", "%1 differences"},
    {TrustTextId::FleetNotVerified, "未校验", "not verified"},
    {TrustTextId::FleetStopped, "已停止", "stopped"},
    {TrustTextId::FleetReadingBackFailed, "读回时：%1", "reading back: %1"},
    {TrustTextId::FleetBackupReadFailed, "读出备份时：%1", "reading the backup: %1"},
    {TrustTextId::FleetStepBackupRead, "正在读出备份", "reading the radio into a backup"},
    {TrustTextId::FleetStepWrite, "正在写入", "writing"},
    {TrustTextId::FleetStepVerifyRead, "正在读回校验", "reading back to verify"},
    {TrustTextId::FleetSeconds, "%1 秒", "%1 s"},
    {TrustTextId::FleetListSeparator, "，", ", "},
    {TrustTextId::FleetWindowTitle, "写入多台对讲机", "Write to several radios"},
    {TrustTextId::FleetIntro, "把显示的设置（%1）同时写入每台勾选的对讲机，每个端口一台。",
     "Writes the set-up shown (%1) into every checked radio at once, one radio on each port."},
    {TrustTextId::FleetRadios, "对讲机(&R)", "&Radios"},
    {TrustTextId::FleetColumnPort, "端口", "Port"},
    {TrustTextId::FleetColumnDevice, "设备", "Device"},
    {TrustTextId::FleetColumnProgress, "进度", "Progress"},
    {TrustTextId::FleetColumnResult, "结果", "Result"},
    {TrustTextId::FleetNoDevice, "（无设备）", "(no device)"},
    {TrustTextId::FleetPortName, "%1，设备 %2", "%1, device %2"},
    {TrustTextId::FleetProgressName, "%1 进度", "%1 progress"},
    {TrustTextId::FleetResultName, "%1 结果", "%1 result"},
    {TrustTextId::FleetOtherBand, "其他频段的对讲机也写入(&A)",
     "Write radios of &another band too"},
    {TrustTextId::FleetVerify, "写入后校验(&V)", "&Verify after write"},
    {TrustTextId::FleetBackupFirst, "写入前先读出备份(&B)", "Read each radio into a &backup first"},
    {TrustTextId::FleetStart, "开始(&S)", "&Start"},
    {TrustTextId::FleetStop, "停止(&T)", "S&top"},
    {TrustTextId::FleetNothingChecked, "没有勾选端口：请先勾选要写入的对讲机所在的端口。",
     "No port is checked: check the ports of the radios to write first."},
    {TrustTextId::FleetRunning, "正在写入 %1 台对讲机……", "Writing %1 radios..."},
    {TrustTextId::FleetSummary, "共 %4 台：%1 台已写入，%2 台已校验，%3 台失败或跳过。",
     "%4 radios: %1 written, %2 verified, %3 failed or skipped."},
    {TrustTextId::FleetSummaryName, "写入结果", "Outcome of the write"},
};

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        if (static_cast<std::size_t>(kTexts[i].id) != i) return false;
    }
    return static_cast<std::size_t>(TrustTextId::FleetSummaryName) + 1 == std::size(kTexts);
}
static_assert(InEnumOrder(), "kTexts must hold one row per TrustTextId, in enumeration order");

}  // namespace

std::string TrustText(TrustTextId id, Language language,
                      std::initializer_list<std::string_view> values) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= std::size(kTexts)) return {};
    const std::string_view text =
        language == Language::English ? kTexts[index].english : kTexts[index].chinese;
    return FillPlaceholders(text, values);
}

}  // namespace qv
