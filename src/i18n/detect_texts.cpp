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
    {DetectTextId::Finding, "正在各串口上查找对讲机……", "Looking for the radio on every port..."},
    {DetectTextId::NoRadioFound, "所有串口上都没有 QV-7100 应答。",
     "No QV-7100 answered on any port."},
    {DetectTextId::NoPortToProbe, "COM1 至 COM8 都没有对应的串口设备。",
     "None of COM1 to COM8 stands for a serial device."},
    {DetectTextId::RadioFoundOn, "%1 上有 QV-7100 应答，已选用这个串口。",
     "A QV-7100 answered on %1: that port is chosen."},
    {DetectTextId::SeveralFoundChosen, "%1 个串口上有 QV-7100 应答，已选用 %2。",
     "A QV-7100 answered on %1 ports; %2 is chosen."},
    {DetectTextId::SeveralFoundNoneChosen, "%1 个串口上有 QV-7100 应答，没有选用其中任何一个。",
     "A QV-7100 answered on %1 ports; none of them is chosen."},
    {DetectTextId::PortAnswer, "%1：%2", "%1: %2"},
    {DetectTextId::ChooseTitle, "查找对讲机", "Find the radio"},
    {DetectTextId::ChooseQuestion, "%1 个串口上都有 QV-7100 应答。请选择要使用的串口(&P)：",
     "A QV-7100 answered on %1 ports. Choose the &port to use:"},
    {DetectTextId::ChooseListName, "有 QV-7100 应答的串口", "Ports where a QV-7100 answered"},
    {DetectTextId::OtherModelShort, "其它型号", "another model"},
    {DetectTextId::StatusNoSuchDevice, "没有这个设备", "no such device"},
    {DetectTextId::StatusNoPermission, "没有使用权限", "no permission"},
    {DetectTextId::StatusHeld, "被其它程序占用", "held by another program"},
    {DetectTextId::StatusNotSerial, "不是串口", "not a serial port"},
    {DetectTextId::StatusDeviceGone, "设备已断开", "the device went away"},
};
static_assert(RowsInIdOrder(kTexts, DetectTextId::StatusDeviceGone),
              "kTexts must hold one row per DetectTextId, in enumeration order");

}  // namespace

std::string DetectText(DetectTextId id, Language language,
                       std::initializer_list<std::string_view> values) {
    return FilledText(kTexts, id, language, values);
}

}  // namespace qv
