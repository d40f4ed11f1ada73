// The caption data of every window.
#include "i18n/caption_rows.h"

namespace qv::caption_rows {
namespace {

// Texts several windows share.
constexpr Texts kOk{"确定", "OK"};
constexpr Texts kCancel{"取消", "Cancel"};
constexpr Texts kMinimum{"最小", "Low"};
constexpr Texts kMaximum{"最大", "Hight"};
constexpr Texts kRxFrequency{"接收频率", "RX frequency"};
constexpr Texts kTone{"亚音频", "QT/DQT"};
constexpr Texts kTxFrequency{"发射频率", "TX frequency"};
constexpr Texts kTestFrequencies{"测试频率", "Debug frequency"};

constexpr Row kForm1[] = {
    Title("Form1", {"QV-7100 对讲机编程软件 V1.00", "QV-7100 Radio Software V1.00"}),
    Cap("mnuFile", {"文件(&F)", "File(&F)"}),
    Cap("mnuNew", {"新建(&N)", "New(&N)"}),
    Cap("mnuOpen", {"打开(&O)", "Open(&O)"}),
    Cap("mnuAssave", {"保存(&S)", "Save(&S)"}),
    Cap("mnuQuit", {"退出(&Q)", "Quit(&Q)"}),
    Cap("mnuImportCsv", {"导入信道 (CSV)(&I)…", "&Import channels (CSV)…"}),
    Cap("mnuExportCsv", {"导出信道 (CSV)(&E)…", "&Export channels (CSV)…"}),
    Cap("mnuRestoreBackup", {"从备份恢复(&B)…", "Restore from &backup…"}),
    Cap("mnuPrint", {"打印(&P)…", "&Print…"}),
    Cap("mnuExportPdf", {"导出 PDF(&D)…", "Export P&DF…"}),
    Cap("mnuEdit", {"编辑(&E)", "Edit(&E)"}),
    Cap("mnuUndo", {"撤销(&U)", "Undo(&U)"}),
    Cap("mnuRedo", {"重做(&R)", "Redo(&R)"}),
    Cap("mnuCopy", {"复制(&C)", "Copy(&C)"}),
    Cap("mnuPaste", {"粘贴(&P)", "Paste(&P)"}),
    Cap("mnupro", {"编程(&P)", "Programming(&P)"}),
    Cap("mnureadFre", {"读频(&R)", "Read Frequency(&R)"}),
    Cap("mnuwriteFre", {"写频(&W)", "Write Frequency(&W)"}),
    Cap("mnuVerifyWrite", {"写频后校验(&V)", "&Verify after write"}),
    Cap("mnuBackupFirst", {"写频前备份对讲机(&K)", "Bac&k up the radio before writing"}),
    Cap("mnuCompare", {"与对讲机比较(&C)…", "&Compare with radio…"}),
    Cap("mnuFleetWrite", {"写入多台对讲机(&M)…", "Write to &several radios…"}),
    Cap("mnuStation", {"编程工作站(&P)…", "&Programming station…"}),
    Cap("mnudtmf", {"可选功能", "Optional function "}),
    Cap("Key_enactment", {"键设定", "Keys set "}),
    Cap("mnusetin", {"嵌入信息", "Embedded information"}),
    Cap("mnudebug", {"调试(&D)", "Debug(&D)"}),
    Cap("mnutestfre", kTestFrequencies),
    Cap("mnuset", {"设置(&S)", "Settings(&S)"}),
    Cap("mnulock", {"锁定(&L)", "Lock(&L)"}),
    Cap("mnucom", {"通信端口(&V)", "Communication port(&V)"}),
    Cap("mnuFindRadio", {"查找对讲机(&F)", "&Find the radio"}),
    Cap("mnuLanguage", {"语言选择(&L)", "Languages(&L)"}),
    Cap("mnuChinese", {"中文", "Chinese"}),
    Cap("mnuEnglish", {"英文", "Englist"}),
    Cap("mnuhelp", {"帮助(&H)", "Help(&H)"}),
    Cap("mnumainhelp", {"帮助主题  F1", "The help topic  F1 \""}),
    Cap("mnuabout", {"关于", "About"}),
    Header("Grid1", 0, {"信道", "Channel"}),
    Header("Grid1", 1, kRxFrequency),
    Header("Grid1", 2, kTone),
    Header("Grid1", 3, kTxFrequency),
    Header("Grid1", 4, kTone),
    Header("Grid1", 5, {"功率", "Power"}),
    Header("Grid1", 6, {"禁发", "Forbid"}),
    Header("Grid1", 7, {"宽\\窄带", "Band"}),
    Header("Grid1", 8, {"扫描添加", "Scan"}),
    Name("Grid1", {"信道列表", "Channel list"}),
    Tip("Toolbar1", 1, {"新建", "New"}),
    Tip("Toolbar1", 2, {"打开", "Open"}),
    Tip("Toolbar1", 3, {"保存", "Save"}),
    Tip("Toolbar1", 5, {"读频", "Read frequency"}),
    Tip("Toolbar1", 6, {"写频", "Write frequency"}),
    Tip("Toolbar1", 9, {"撤销", "Undo"}),
    Tip("Toolbar1", 10, {"重做", "Redo"}),
    // The service button shows a picture only and has no tooltip; assistive tools read this.
    ButtonName("Toolbar1", 7, {"关闭调试权限", "Close debug access"}),
    Cap("Frame1", {"机型选择", "Model"}),
    Cap("Frame2", {"功能设置", "Function Set"}),
    Cap("Label2", {"版权所有 © QV-7100 编程软件", "© QV-7100 programming tool"}),
    Cap("Label3", {"频段", "Channel"}),
    Cap("Label4", {"语言通知", "Language"}),
    Cap("Label5", {"发射超时", "Time-out"}),
    Cap("Label1", {"发射超时预警", "Time-out Warn"}),
    Cap("Label6", {"静噪等级", "Squelch Grade"}),
    Cap("Label7", {"省电", "Battery Save"}),
    Cap("Label8", {"提示音", "Beep"}),
    Items("Combo8", ListId::Tone, 0, 1),
    Items("Combo5", ListId::Power, 0, 2, 5),
    Items("Combo5", ListId::BusyLockout, 1, 1, 6),
    Items("Combo5", ListId::BusyLockout, 0, 1, 6),
    Items("Combo5", ListId::Bandwidth, 0, 2, 7),
    Items("Combo5", ListId::ScanAdd, 0, 2, 8),
    Items("Combo2", ListId::VoiceLanguage, 0, 2),
    Items("Combo3", ListId::TimeOut, 0, 40),
    Items("Combo4", ListId::TimeOutWarn, 0, 1),
    Items("Combo4", ListId::TimeOutWarn, 1, 10),
    Items("Combo9", ListId::SquelchLevel, 0, 10),
    Items("Combo6", ListId::BatterySave, 0, 2),
    Items("Combo7", ListId::KeyBeep, 0, 2),
};

constexpr Row kForm1Fixed[] = {
    Cap("mnucom1", Same("COM1(&1)")),      Cap("mnucom2", Same("COM2(&2)")),
    Cap("mnucom3", Same("COM3(&3)")),      Cap("mnucom4", Same("COM4(&4)")),
    Cap("mnucom5", Same("COM5(&5)")),      Cap("mnucom6", Same("COM6(&6)")),
    Cap("mnucom7", Same("COM7(&7)")),      Cap("mnucom8", Same("COM8(&8)")),
    Items("Combo8", ListId::Tone, 1, 260),
};

constexpr Row kForm2[] = {
    Cap("Frame1", {"发射高功率", "TX-Hight Power"}),
    Cap("Frame2", {"发射低功率", "TX-Low Power"}),
    Cap("Label3", kMinimum),
    Cap("Label6", kMinimum),
    Cap("Label7", kMaximum),
    Cap("Label8", kMaximum),
    Cap("Command1", kOk),
};

constexpr Row kForm2Fixed[] = {Title("Form2", Same("Debug"))};

constexpr Row kForm4[] = {
    Header("mfgrid1", 0, {"频道", "Channel"}),
    Header("mfgrid1", 1, {kRxFrequency.chinese, "RX Frequency"}),
    Header("mfgrid1", 2, {kTxFrequency.chinese, "TX Frequency"}),
    // The window's own title stays Chinese; its grid is named as the menu item that opens it.
    Name("mfgrid1", kTestFrequencies),
    Cap("Command1", kOk),
    Cap("Command2", kCancel),
};

constexpr Row kForm4Fixed[] = {Title("Form4", Same("测试频率"))};

constexpr Row kForm5[] = {
    Title("Form5", {"可选功能", "Optional Function"}),
    Cap("Frame2", {"扫描", "Scan"}),
    Cap("Check3", {"取消操作", "Cancel operation"}),
    Cap("Check4", {"接收时禁止VOX", "Received banned VOX"}),
    Cap("Label2", {"当前频道", "Current channel"}),
    Cap("Label8", {"VOX功能", "VOX Function"}),
    Cap("Label10", {"VOX增益电平", "VOX GBIN"}),
    Cap("Label9", {"VOX延迟时间", "VOX Delay time"}),
    Cap("Label7", {"VOX可进行音调", "VOX volume control"}),
    Cap("Label3", {"呼叫应答", "Call answer"}),
    Cap("Label4", Same("PTT ID")),
    Cap("Label5", {"工作组", "Work group"}),
    Cap("Label11", {"远程报警", "Remote alarm"}),
    Cap("Label14", {"优先", "Priority"}),
    Cap("Label15", {"优先信道", "Preferred channel"}),
    Cap("Label17", {"回扫时间A", "Retrace Time A"}),
    Cap("Label16", {"回扫时间B", "Retrace Time B"}),
    Cap("Label18", {"返回信道", "Return channel"}),
    Cap("Label19", {"扫描接收恢复延时时间(秒)", "Scan receive delay time(S)"}),
    Cap("Label20", {"扫描发射恢复延时时间(秒)", "Scan launch delay time(S)"}),
    Cap("Command1", kOk),
    Cap("Command2", kCancel),
    Items("Combo2", ListId::CallAnswer, 0, 2),
    Items("Combo3", ListId::WorkGroup, 0, 3),
    Items("Combo4", ListId::PttId, 0, 3),
    Items("Combo6", ListId::VoxFunction, 0, 2),
    Items("Combo7", ListId::VoxGain, 0, 1),
    Items("Combo9", ListId::VoxVolume, 0, 2),
    Items("Combo10", ListId::RemoteAlarm, 0, 2),
    Items("Combo11", ListId::PriorityMode, 0, 3),
    Items("Combo13", ListId::RetraceTimeA, 0, 1),
    Items("Combo14", ListId::RetraceTimeB, 0, 1),
    Items("Combo15", ListId::ReturnChannel, 0, 4),
};

constexpr Row kForm5Fixed[] = {
    Cap("Frame1", Same("VOX")),
    Cap("Frame3", Same("DTMF")),
    Cap("Label25", Same("DTMF 速率")),
    Cap("Label21", Same("首位数码时间")),
    Cap("Label23", Same("首位数码延迟")),
    Cap("Label22", Same("*和#音")),
    Cap("Label24", Same("D键设定")),
    Cap("Label26", Same("DTMF 侧音")),
    Cap("Label28", Same("组呼码")),
    Cap("Label27", Same("自动复位定时器")),
    Header("mfgrid1", 0, Same("编号")),
    Header("mfgrid1", 1, Same("自动拨号存储器")),
    Items("Combo1", ListId::CurrentChannel, 0, 16),
    Items("Combo7", ListId::VoxGain, 1, 5),
    Items("Combo8", ListId::VoxDelay, 0, 6),
    Items("Combo12", ListId::PriorityChannel, 0, 16),
    Items("Combo13", ListId::RetraceTimeA, 1, 91),
    Items("Combo14", ListId::RetraceTimeB, 1, 91),
    Items("Combo0", ListId::DtmfRate, 0, 4),
    Items("Combo16", ListId::FirstDigitTime, 0, 4),
    Items("Combo17", ListId::StarHashTone, 0, 4),
    Items("Combo18", ListId::FirstDigitDelay, 0, 19),
    Items("Combo19", ListId::DKey, 0, 17),
    Items("Combo20", ListId::DtmfSidetone, 0, 2),
    Items("Combo21", ListId::AutoReset, 0, 16),
    Items("Combo22", ListId::GroupCallCode, 0, 7),
};

constexpr int kLongPressCount = 13;
constexpr int kShortPressCount = 10;

constexpr Row kForm6[] = {
    Cap("Label1", {"长按PF1键定义", "LongPress_PF1"}),
    Cap("Label2", {"长按PF2键定义", "LongPress_PF2"}),
    Cap("Label3", {"短按PF1键定义", "ShortPress_PF1"}),
    Cap("Label4", {"短按PF2键定义", "ShortPress_PF2"}),
    Cap("Label5", {"长按KB1键定义", "LongPress_KB1"}),
    Cap("Label6", {"长按KB2键定义", "LongPress_KB2"}),
    Cap("Label9", {"长按KB3键定义", "LongPress_KB3"}),
    Cap("Label7", {"短按KB1键定义", "shortPress_KB1"}),
    Cap("Label8", {"短按KB2键定义", "shortPress_KB2"}),
    Cap("Label10", {"短按KB3键定义", "shortPress_KB3"}),
    Title("Form6", {"键设定", "Keys Set"}),
    Cap("Command1", kOk),
    Cap("Command2", kCancel),
    // The key-function lists, in the order they are filled.
    Items("Combo1", ListId::LongPressKey, 0, kLongPressCount),
    Items("Combo2", ListId::LongPressKey, 0, kLongPressCount),
    Items("Combo3", ListId::ShortPressKey, 0, kShortPressCount),
    Items("Combo4", ListId::ShortPressKey, 0, kShortPressCount),
    Items("Combo5", ListId::LongPressKey, 0, kLongPressCount),
    Items("Combo6", ListId::LongPressKey, 0, kLongPressCount),
    Items("Combo9", ListId::LongPressKey, 0, kLongPressCount),
    Items("Combo7", ListId::ShortPressKey, 0, kShortPressCount),
    Items("Combo8", ListId::ShortPressKey, 0, kShortPressCount),
    Items("Combo10", ListId::ShortPressKey, 0, kShortPressCount),
};

constexpr Row kForm6Fixed[] = {
    Cap("Frame3", Same("PF1")), Cap("Frame1", Same("PF2")), Cap("Frame4", Same("KB1")),
    Cap("Frame5", Same("KB2")), Cap("Frame2", Same("KB3")),
};

constexpr Row kForm7[] = {
    Title("Form7", {"嵌入信息", "Embedded Information"}),
    Cap("Command1", kOk),
    Cap("Command2", kCancel),
};

constexpr Row kAbout[] = {
    Cap("lblTitle", {"QV-7100 对讲机编程软件", "QV-7100 Radio Software "}),
    Cap("lblVersion", {"简体中文版 V1.00", "English version V1.00"}),
    Cap("Label2", {"发布：2012.07", "Issue：2012.07"}),
    Cap("lblDescription",
        {"开发：QV-7100 编程软件项目", "Developed by the QV-7100 programming tool project"}),
    Cap("cmdOK", kOk),
};

constexpr Row kAboutFixed[] = {Title("frmAbout", Same("Help"))};

struct WindowRows {
    WindowId window;
    std::span<const Row> language;
    std::span<const Row> fixed;
};

constexpr WindowRows kWindows[] = {
    {WindowId::Form1, kForm1, kForm1Fixed}, {WindowId::Form2, kForm2, kForm2Fixed},
    {WindowId::Form4, kForm4, kForm4Fixed}, {WindowId::Form5, kForm5, kForm5Fixed},
    {WindowId::Form6, kForm6, kForm6Fixed}, {WindowId::Form7, kForm7, {}},
    {WindowId::About, kAbout, kAboutFixed},
};

const WindowRows* Find(WindowId window) {
    for (const WindowRows& rows : kWindows) {
        if (rows.window == window) return &rows;
    }
    return nullptr;
}

}  // namespace

std::span<const Row> LanguageRows(WindowId window) {
    const WindowRows* rows = Find(window);
    return rows != nullptr ? rows->language : std::span<const Row>{};
}

std::span<const Row> FixedRows(WindowId window) {
    const WindowRows* rows = Find(window);
    return rows != nullptr ? rows->fixed : std::span<const Row>{};
}

}  // namespace qv::caption_rows
