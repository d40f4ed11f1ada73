// The message texts of the tool, one row per message.
#include "i18n/messages.h"

#include <cstddef>

namespace qv {
namespace {

struct MessageRow {
    MessageId id;
    std::string_view chinese;
    std::string_view english;
};

// A message with one wording in both languages.
constexpr MessageRow Single(MessageId id, std::string_view text) {
    return {id, text, text};
}

// One row per MessageId, in the order of the enumeration.
constexpr MessageRow kMessages[] = {
    {MessageId::PortNotOpen, "通信端口未打开，请先选择菜单“通信端口”打开其串口！",
     "Communication port not open, please first selection menu 'communication port' to open its "
     "serial ports!"},
    {MessageId::Communicating, "正在通信,请稍后……", "Is communication, please later……"},
    {MessageId::ReadSuccess, "读频成功！", "Read frequency success!"},
    {MessageId::WriteSuccess, "写频成功！", "Write frequency success!"},
    {MessageId::BandMismatch, "频段不符，是否继续？",
     "Frequency band with discrepancies, do you wish to continue?"},
    {MessageId::CommunicationError, "通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！",
     "Communication error, please check the intercom model, fault, attachment and computer serial "
     "choice!"},
    {MessageId::OutOfBand, "超出频段范围", "Beyond the frequency range"},
    {MessageId::BandChangeQuestion, "改变频段将清除频道列表，确定吗？",
     "Change frequency channel list will remove, sure?"},
    {MessageId::BandChangeTitle, "注意！", "Attention!"},
    {MessageId::NewQuestion, "所有信道的数据将被清除！", "All channel data will be clear."},
    {MessageId::NewTitle, "警告", "Warnning"},
    {MessageId::WrongFileType, "文件类型不对，无法打开。", "Document type not to open."},
    {MessageId::OverwriteQuestion, "该文件已存在，是否覆盖？",
     "This file already exists, whether to cover?"},
    Single(MessageId::PriorityNeedsChannel, "当设定为‘固定’时信道不可为空，请重设！"),
    Single(MessageId::PriorityNeedsChannelTitle, "提示"),
    Single(MessageId::PriorityChannelEmpty, "不可选择空信道，请重新选择！"),
    Single(MessageId::DtmfCodeTooLong, "存储器只能存储16位！"),
    {MessageId::TestFrequencyOutOfField,
     "测试频率以三位整数、小数点和五位小数保存：请输入 100 至 999.99999 MHz "
     "之间的频率。该格保留原值。",
     "A test frequency is held as three digits, a point and five decimals: type a frequency from "
     "100 to 999.99999 MHz. The cell keeps what it held."},
    {MessageId::ImageTooShort, "存储器映像不完整（少于 1520 字节），未作任何更改。",
     "The memory image is incomplete (fewer than 1520 bytes); nothing was changed."},
    {MessageId::FileTooShort,
     "文件太短，不是 QV-7100 的设置文件（*.DAT 文件应有 1525 字节），未载入任何内容。",
     "The file is too short to be a QV-7100 set-up (a *.DAT file has 1525 bytes); nothing was "
     "loaded."},
    {MessageId::FileUnreadable, "无法读取该文件，未载入任何内容。",
     "The file could not be read; nothing was loaded."},
    {MessageId::FileUnwritable, "无法写入该文件，原有的文件保持不变。",
     "The file could not be written; the file that was there is unchanged."},
    {MessageId::SaveTargetIsFolder, "该名称是一个文件夹，不是文件，未作任何更改。",
     "The name is a directory, not a file; nothing was changed."},
    {MessageId::SaveTargetNotAFile, "该名称是设备、管道或套接字，不是普通文件，未作任何更改。",
     "The name is a device, a pipe or a socket, not a file; nothing was changed."},
    {MessageId::SaveFolderMissing, "要保存到的文件夹不存在，未作任何更改。",
     "The folder to save into does not exist; nothing was changed."},
    {MessageId::SaveFolderNotWritable, "您没有写入该文件夹的权限，未作任何更改。",
     "You have no permission to write in the folder; nothing was changed."},
    {MessageId::SaveFileNotWritable, "您没有写入该文件的权限，原有的文件保持不变。",
     "You have no permission to write the file; the file that was there is unchanged."},
    {MessageId::SettingsNotKept,
     "无法保存程序设置（锁定、通信端口、语言），下次启动时将恢复默认值。",
     "The program's settings (lock, port, language) cannot be saved; the next start uses the "
     "defaults."},
};

constexpr std::size_t kMessageCount = std::size(kMessages);

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < kMessageCount; ++i) {
        if (static_cast<std::size_t>(kMessages[i].id) != i) return false;
    }
    return static_cast<std::size_t>(MessageId::SettingsNotKept) + 1 == kMessageCount;
}
static_assert(InEnumOrder(), "kMessages must hold one row per MessageId, in enumeration order");

constexpr std::string_view In(const MessageRow& row, Language language) {
    return language == Language::English ? row.english : row.chinese;
}

std::string Frame(std::string_view head, std::string_view value, std::string_view tail) {
    std::string text(head);
    text += value;
    text += tail;
    return text;
}

// The port number stands where these texts have the digit of port 1.
constexpr std::string_view kPortBusyHead[] = {"串行端口", "Serial port "};
constexpr std::string_view kPortBusyTail[] = {
    "已被其它程序使用，请选择其它串口或关掉其程序.",
    " has been other programs use, please choose other serial or turn off its program."};

constexpr std::string_view kPermissionHead[] = {"您没有使用串口 ",
                                                "You have no permission to use the serial port "};
constexpr std::string_view kPermissionTail[] = {
    " 的权限。在 Linux 上，请把自己加入 'dialout' 组（sudo usermod -aG dialout "
    "$USER），然后重新登录。",
    ". On Linux, add yourself to the 'dialout' group (sudo usermod -aG dialout $USER) and log in "
    "again."};

constexpr std::string_view kUnstorableHead[] = {"对讲机无法存储这些字符，已略去：“",
                                                "The radio cannot store these characters; left "
                                                "out: \""};
constexpr std::string_view kUnstorableTail[] = {"”", "\""};
constexpr std::string_view kListCutShort = "…";

std::size_t Slot(Language language) {
    return language == Language::English ? 1 : 0;
}

}  // namespace

std::string_view MessageText(MessageId id, Language language) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= kMessageCount) return {};
    return In(kMessages[index], language);
}

std::string PortBusyMessage(int port, Language language) {
    return Frame(kPortBusyHead[Slot(language)], std::to_string(port),
                 kPortBusyTail[Slot(language)]);
}

std::string PortPermissionMessage(std::string_view device, Language language) {
    return Frame(kPermissionHead[Slot(language)], device, kPermissionTail[Slot(language)]);
}

std::string UnstorableCharactersMessage(std::string_view characters, bool more, Language language) {
    std::string text =
        Frame(kUnstorableHead[Slot(language)], characters, kUnstorableTail[Slot(language)]);
    if (more) text += kListCutShort;
    return text;
}

}  // namespace qv
