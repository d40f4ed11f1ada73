// The texts of comparisons and of verify after write, one row per text.
#include "i18n/compare_texts.h"

#include "i18n/text_table.h"

namespace qv {
namespace {

// One row per CompareTextId, in the order of the enumeration.
constexpr TextRow<CompareTextId> kTexts[] = {
    {CompareTextId::Channel, "信道 %1", "channel %1"},
    {CompareTextId::ChannelField, "信道 %1，%2", "channel %1, %2"},
    {CompareTextId::ReceiveTone, "接收亚音频", "RX QT/DQT"},
    {CompareTextId::TransmitTone, "发射亚音频", "TX QT/DQT"},
    {CompareTextId::DtmfCode, "DTMF 码 %1", "DTMF code %1"},
    {CompareTextId::TestChannelField, "测试信道 %1，%2", "test channel %1, %2"},
    {CompareTextId::EmbeddedLine, "嵌入信息，第 %1 行", "embedded information, line %1"},
    {CompareTextId::RadioMemory, "对讲机内存 %1", "radio memory %1"},
    {CompareTextId::DtmfRate, "DTMF 速率", "Dialling rate"},
    {CompareTextId::FirstDigitTime, "首位数码时间", "First digit time"},
    {CompareTextId::FirstDigitDelay, "首位数码延迟", "First digit delay"},
    {CompareTextId::StarHashTone, "*和#音", "* and # tone"},
    {CompareTextId::DKey, "D键设定", "D key"},
    {CompareTextId::DtmfSidetone, "DTMF 侧音", "DTMF sidetone"},
    {CompareTextId::GroupCallCode, "组呼码", "Group call code"},
    {CompareTextId::AutoReset, "自动复位定时器", "Auto reset timer"},
    {CompareTextId::Empty, "（空）", "(empty)"},
    {CompareTextId::Checked, "选中", "checked"},
    {CompareTextId::NotChecked, "未选中", "not checked"},
    {CompareTextId::WroteButRadioHolds, "%1：写入 %2，对讲机中为 %3",
     "%1: wrote %2, radio holds %3"},
    {CompareTextId::ShownButRadioHolds, "%1：显示 %2，对讲机中为 %3",
     "%1: shown %2, radio holds %3"},
    {CompareTextId::OneHasOtherHas, "%1：%2 中为 %3，%4 中为 %5", "%1: %2 has %3, %4 has %5"},
    {CompareTextId::MoreDifferences, "……另有 %1 处不同", "... and %1 more differences"},
    {CompareTextId::ShownAndRadioDiffer, "显示的设置与对讲机有 %1 处不同：",
     "The set-up shown and the radio differ in %1 places:"},
    {CompareTextId::VerifyPassed, "校验通过：对讲机中的数据与写入的一致。",
     "Verified: the radio holds what was written."},
    {CompareTextId::VerifyFailed, "校验失败：对讲机中有 %1 处与写入的不同。",
     "Verify failed: the radio holds %1 differences from what was written."},
};
static_assert(RowsInIdOrder(kTexts, CompareTextId::VerifyFailed),
              "kTexts must hold one row per CompareTextId, in enumeration order");

// The texts above whose %1 is a count, as said when it is 1.
constexpr TextRow<CompareTextId> kOnes[] = {
    {CompareTextId::MoreDifferences, "……另有 1 处不同", "... and 1 more difference"},
    {CompareTextId::ShownAndRadioDiffer, "显示的设置与对讲机有 1 处不同：",
     "The set-up shown and the radio differ in 1 place:"},
    {CompareTextId::VerifyFailed, "校验失败：对讲机中有 1 处与写入的不同。",
     "Verify failed: the radio holds 1 difference from what was written."},
};

// The DTMF lists' items in English: whole items, and the units after a number ("3秒").
struct EnglishWords {
    std::string_view shown;
    std::string_view english;
};
constexpr EnglishWords kDtmfItems[] = {
    {"OFF", "off"}, {"关闭", "off"}, {"禁止", "off"}, {"使能", "on"}, {"D码", "D code"},
};
constexpr EnglishWords kDtmfUnits[] = {
    {"位", " digits"},
    {"MS", " ms"},
    {"秒", " s"},
};

bool IsNumber(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::string CompareText(CompareTextId id, Language language,
                        std::initializer_list<std::string_view> values) {
    return FilledCountText(kTexts, kOnes, id, language, values);
}

std::string EnglishDtmfItem(std::string_view item) {
    for (const EnglishWords& words : kDtmfItems) {
        if (item == words.shown) return std::string(words.english);
    }
    for (const EnglishWords& unit : kDtmfUnits) {
        if (item.ends_with(unit.shown)) {
            const std::string_view number = item.substr(0, item.size() - unit.shown.size());
            if (IsNumber(number)) return std::string(number) + std::string(unit.english);
        }
    }
    return std::string(item);
}

}  // namespace qv
