// The texts of looking for the radio on the serial ports, one row per text.
#include "i18n/detect_texts.h"

#include "i18n/text_table.h"

namespace qv {
namespace {

// One row per DetectTextId, in the order of the enumeration.
constexpr TextRow<DetectTextId> kTexts[] = {
    {DetectTextId::ThisModel, "QV-7100，%1", "QV-7100, %1"},
    {DetectTextId::ThisModelUnknownBand, "QV-7100，频段未知（识别码中的频段字节为 %1）",
     "QV-7100, band unknown (its identification names band byte %1)"},
    {DetectTextId::OtherModel, "其它型号：%1", "another model: %1"},
    {DetectTextId::NothingAnswered, "无应答", "nothing answered"},
    {DetectTextId::NoIdentification, "应答了握手，但没有发来型号识别码",
     "answered the handshake, but sent no identification"},
    {DetectTextId::NoAnswerButBytes, "收到的不是应答：%1", "no answer, but it sent: %1"},
    {DetectTextId::DeviceLost, "检测时设备已断开", "the device went away during the search"},
    {DetectTextId::FindTheRadio, "查找对讲机(&F)", "&Find the radio"},
    {DetectTextId::Finding, "正在各串口上查找对讲机……", "Looking for the radio on every port..."},
    {DetectTextId::NoRadioFound, "所有串口上都没有 QV-7100 应答。",
     "No QV-7100 answered on any port."},
    {DetectTextId::NoPortToProbe, "COM1 至 COM8 都没有对应的串口设备。",
     "None of COM1 to COM8 stands for a serial device."},
};
static_assert(RowsInIdOrder(kTexts, DetectTextId::NoPortToProbe),
              "kTexts must hold one row per DetectTextId, in enumeration order");

}  // namespace

std::string DetectText(DetectTextId id, Language language,
                       std::initializer_list<std::string_view> values) {
    return FilledText(kTexts, id, language, values);
}

}  // namespace qv
