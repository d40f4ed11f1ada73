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
    {CompareTextId::Empty, "（空）", "(empty)"},
    {CompareTextId::Checked, "选中", "checked"},
    {CompareTextId::NotChecked, "未选中", "not checked"},
    {CompareTextId::WroteButRadioHolds, "%1：写入 %2，对讲机中为 %3",
     "%1: wrote %2, radio holds %3"},
    {CompareTextId::ShownButRadioHolds, "%1：显示 %2，对讲机中为 %3",
     "%1: shown %2, radio holds %3"},
    {CompareTextId::OneHasOtherHas, "%1：%2 中为 %3，%4 中为 %5", "%1: %2 has %3, %4 has %5"},
    {CompareTextId::MoreDifferences, "……另有 %1 处不同", "... and %1 more differences"},
    {CompareTextId::VerifyPassed, "校验通过：对讲机中的数据与写入的一致。",
     "Verified: the radio holds what was written."},
    {CompareTextId::VerifyFailed, "校验失败：对讲机中有 %1 处与写入的不同。",
     "Verify failed: the radio holds %1 differences from what was written."},
};
static_assert(RowsInIdOrder(kTexts, CompareTextId::VerifyFailed),
              "kTexts must hold one row per CompareTextId, in enumeration order");

}  // namespace

std::string CompareText(CompareTextId id, Language language,
                        std::initializer_list<std::string_view> values) {
    return FilledText(kTexts, id, language, values);
}

}  // namespace qv
