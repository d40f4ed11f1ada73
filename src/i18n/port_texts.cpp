// The texts of the serial ports as the system shows them, one row per text.
#include "i18n/port_texts.h"

#include "i18n/text_table.h"

namespace qv {
namespace {

// One row per PortTextId, in the order of the enumeration.
constexpr TextRow<PortTextId> kTexts[] = {
    {PortTextId::NoPermissionOn, "您没有使用串口 %1 的权限。",
     "You have no permission to use the serial port %1."},
    {PortTextId::NotInGroup,
     "它属于用户 %1 和组 %2（权限 %3），而您不在该组中：请加入该组（sudo usermod -aG %2 "
     "$USER），然后重新登录。",
     "It belongs to the user %1 and the group %2 (mode %3), and you are not in that group: join "
     "it (sudo usermod -aG %2 $USER), then log in again."},
    {PortTextId::GroupNeedsNewLogin,
     "您是在这次登录之后才加入可以使用它的组 %1 的，加入要到下次登录才生效：请注销后重新登录。",
     "You joined the group %1, which may use it, after this login began, and joining takes effect "
     "at the next login: log out and in again."},
    {PortTextId::OwnerOnly, "只有用户 %1 可以使用它（权限 %2），没有哪个组可以使用它。",
     "Only the user %1 may use it (mode %2); no group may."},
    {PortTextId::PackagedRuleWouldDo,
     "本程序的 Debian 软件包带有一条 udev 规则，让在电脑前登录的用户无需加入组、无需重新登录即可"
     "使用这根写频线：安装软件包后重新插上写频线即可。",
     "This program's Debian package brings a udev rule that gives this cable to the user logged in "
     "at the computer's screen, without a group or a new login: install the package, then plug the "
     "cable in again."},
    {PortTextId::SeatRuleInForce,
     "udev 规则 %1 把这根写频线交给在电脑前登录的用户：请重新插上写频线，或在电脑前而不是远程"
     "登录。",
     "The udev rule %1 gives this cable to the user logged in at the computer's screen: plug the "
     "cable in again, or log in at the screen rather than remotely."},
    {PortTextId::HeldBy, "其它程序正占用它：%1。请关掉该程序，或选择其它串口。",
     "Another program holds it open: %1. Close that program, or choose another port."},
    {PortTextId::HolderNamed, "%1（进程 %2）", "%1 (process %2)"},
    {PortTextId::HolderUnnamed, "进程 %1", "process %1"},
    {PortTextId::ListSeparator, "、", ", "},
    {PortTextId::BrlttyClaims,
     "已安装盲文显示服务 brltty，它的 udev 规则认领了这个转换器（%1），会把串口占走：%2。请卸载"
     "该软件包（sudo apt remove brltty），或屏蔽这条规则（sudo ln -s /dev/null "
     "/etc/udev/rules.d/%3），然后重新插上写频线。",
     "The braille-display service brltty is installed with a udev rule that claims this adapter "
     "(%1) and takes the port away: %2. Remove the package (sudo apt remove brltty), or mask the "
     "rule (sudo ln -s /dev/null /etc/udev/rules.d/%3); then plug the cable in again."},
    {PortTextId::BrlttyClaimsLocal,
     "盲文显示服务 brltty 的 udev 规则认领了这个转换器（%1），会把串口占走：%2。请删除该文件，或"
     "卸载 brltty 软件包（sudo apt remove brltty），然后重新插上写频线。",
     "A udev rule of the braille-display service brltty claims this adapter (%1) and takes the "
     "port away: %2. Delete that file, or remove the package (sudo apt remove brltty); then plug "
     "the cable in again."},
    {PortTextId::ModemManagerCable,
     "已安装 ModemManager（%1），且没有 udev 规则让它放过这个转换器：插上写频线时它可能会用调制"
     "解调器指令探测该串口，并在此期间占用它。本程序的 Debian 软件包带有让它放过写频线的规则；"
     "不装软件包时，若没有调制解调器需要它，请停用它（sudo systemctl disable --now "
     "ModemManager）。",
     "ModemManager is installed (%1) and no udev rule tells it to leave this adapter alone: when "
     "the cable is plugged in, it may probe the port with modem commands and hold it meanwhile. "
     "This program's Debian package brings a rule that tells it so; without the package, stop "
     "ModemManager (sudo systemctl disable --now ModemManager) if no modem needs it."},
    {PortTextId::ModemManagerOther,
     "已安装 ModemManager（%1），且没有 udev 规则让它放过这个转换器：插上写频线时它可能会用调制"
     "解调器指令探测该串口，并在此期间占用它。请为该转换器（%2）添加一条设置 "
     "ENV{ID_MM_DEVICE_IGNORE}=\"1\" 的 udev 规则；若没有调制解调器需要 ModemManager，也可停用"
     "它（sudo systemctl disable --now ModemManager）。",
     "ModemManager is installed (%1) and no udev rule tells it to leave this adapter alone: when "
     "the cable is plugged in, it may probe the port with modem commands and hold it meanwhile. "
     "Add a udev rule that sets ENV{ID_MM_DEVICE_IGNORE}=\"1\" for this adapter (%2), or stop "
     "ModemManager (sudo systemctl disable --now ModemManager) if no modem needs it."},
    {PortTextId::ColumnPort, "端口", "Port"},
    {PortTextId::ColumnDevice, "设备", "Device"},
    {PortTextId::ColumnById, "by-id 名称", "By-id"},
    {PortTextId::ColumnByPath, "by-path 名称", "By-path"},
    {PortTextId::ColumnUsb, "USB 标识", "USB id"},
    {PortTextId::ColumnChip, "芯片", "Chip"},
    {PortTextId::ColumnSerial, "序列号", "Serial number"},
    {PortTextId::NoDevices, "本机没有串口设备：请插好写频线。",
     "There are no serial devices on this computer: plug in the programming cable."},
    {PortTextId::SwapNoSerial,
     "%1 是相同的转换器（%2），都没有自己的序列号：重新插拔后，它们的 COM 编号和设备名可能互换。"
     "请改用它们所插 USB 插口的名称（by-path 名称）：",
     "%1 are alike (%2) and have no serial number of their own: after a replug their COM numbers "
     "and device names can swap. Name each by the USB socket it is plugged into (its by-path "
     "name) instead:"},
    {PortTextId::SwapSameSerial,
     "%1 是相同的转换器（%2），序列号都是 %3：重新插拔后，它们的 COM 编号和设备名可能互换。"
     "请改用它们所插 USB 插口的名称（by-path 名称）：",
     "%1 are alike (%2) and carry the same serial number %3: after a replug their COM numbers and "
     "device names can swap. Name each by the USB socket it is plugged into (its by-path name) "
     "instead:"},
    {PortTextId::NoByPath, "（没有 by-path 名称）", "(no by-path name)"},
    {PortTextId::BothPorts, "%1 和 %2", "%1 and %2"},
    {PortTextId::FindingsOf, "%1：", "%1:"},
    {PortTextId::NothingFound, "系统没有显示任何妨碍这些串口工作的问题。",
     "The system shows nothing that keeps these ports from working."},
    {PortTextId::MenuNoDevice, "（无设备）", "(no device)"},
    {PortTextId::MenuDeviceOf, "%1（%2）", "%1 (%2)"},
};
static_assert(RowsInIdOrder(kTexts, PortTextId::MenuDeviceOf),
              "kTexts must hold one row per PortTextId, in enumeration order");

}  // namespace

std::string PortText(PortTextId id, Language language,
                     std::initializer_list<std::string_view> values) {
    return FilledText(kTexts, id, language, values);
}

}  // namespace qv
