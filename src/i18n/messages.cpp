// The message texts of the tool, one row per message.
#include "i18n/messages.h"

#include <cstddef>

#include "i18n/placeholders.h"

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
    {MessageId::RadioStoppedWaiting, "您回答之前，对讲机已等待超时，写频已中断。请重新写频。",
     "The radio stopped waiting before the question was answered; the write was broken off. "
     "Write the radio again."},
    {MessageId::PortMissing, "本机没有串口 %1：请插好写频线，或选择其它串口。",
     "There is no serial port %1 on this computer: plug in the programming cable, or choose "
     "another port."},
    {MessageId::PortNotSerial, "无法打开 %1：它不是串口设备。请选择写频线所接的串口。",
     "The program cannot open %1: it is not a serial device. Choose the port the programming "
     "cable is plugged into."},
    {MessageId::FailureOnPort, "%1：%2", "%1: %2"},
    {MessageId::FailureNoAnswer, "对讲机对联机信号没有应答：对讲机开机了吗？写频线插好了吗？",
     "no answer to the handshake: is the radio switched on and the cable plugged in?"},
    {MessageId::FailureNoIdentification, "对讲机应答了联机信号，但没有报告机型",
     "the radio answered the handshake but did not identify itself"},
    {MessageId::FailureOtherModel, "应答的是其他型号的对讲机，不是 QV-7100",
     "another model answered: its identification is not a QV-7100's"},
    {MessageId::FailureSilentAfterIdentification, "对讲机报告机型后就不再应答",
     "the radio stopped answering after identifying itself"},
    {MessageId::FailureNoReplyToReadRequest, "对讲机对第 %1 个读频请求没有正确应答",
     "the radio gave no valid answer to read request %1"},
    {MessageId::FailureNoReplyToWriteFrame, "对讲机对第 %1 个写频数据包没有正确应答",
     "the radio gave no valid answer to write frame %1"},
    {MessageId::FailureIncompleteImage, "对讲机漏发了一块数据，读到的数据不完整",
     "the radio left out a block: its memory arrived incomplete"},
    {MessageId::FailureImageRefused, "读到的对讲机数据无法识别",
     "the radio's memory could not be decoded"},
    {MessageId::FailureCableGone, "串口设备断开了（写频线或 USB 适配器被拔掉了？）",
     "the serial device went away (cable or adapter unplugged?)"},
    {MessageId::FailureCableGoneAtReadRequest,
     "在第 %1 个读频请求时串口设备断开了（写频线或 USB 适配器被拔掉了？）",
     "the serial device went away (cable or adapter unplugged?) at read request %1"},
    {MessageId::FailureCableGoneAtWriteFrame,
     "在第 %1 个写频数据包时串口设备断开了（写频线或 USB 适配器被拔掉了？）",
     "the serial device went away (cable or adapter unplugged?) at write frame %1"},
    {MessageId::MayBeHalfWritten, "对讲机里现在可能新旧设置混杂，请重新写频",
     "the radio may now hold a mix of its old and the new set-up: write it again"},
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
    {MessageId::ReadFailed, "读频失败：通信出错", "Read failed: communication error"},
    {MessageId::CompareFailed, "比较失败：无法读取对讲机",
     "Compare failed: the radio could not be read"},
    {MessageId::QuitAfterTransferQuestion,
     "正在与对讲机通信，现在退出会使对讲机中的数据不完整。要在通信结束后退出程序吗？",
     "A transfer with the radio is running; quitting now could leave the radio half written. "
     "Quit the program once the transfer has ended?"},
};

constexpr std::size_t kMessageCount = std::size(kMessages);

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < kMessageCount; ++i) {
        if (static_cast<std::size_t>(kMessages[i].id) != i) return false;
    }
    return static_cast<std::size_t>(MessageId::QuitAfterTransferQuestion) + 1 == kMessageCount;
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

struct PlanMessageRow {
    PlanMessageId id;
    std::string_view chinese;
    std::string_view english;
};

// One row per PlanMessageId, in the order of the enumeration.
constexpr PlanMessageRow kPlanMessages[] = {
    {PlanMessageId::NoHeaderRow, "文件中没有标题行（列名所在的第一行）",
     "the file has no header row (the first row, naming the columns)"},
    {PlanMessageId::MissingColumn, "标题行中没有 %1 列", "the header row has no column %1"},
    {PlanMessageId::ColumnTwice, "标题行中 %1 列出现了两次",
     "the header row names the column %1 twice"},
    {PlanMessageId::NotUtf8, "文件的编码是 %1，不是 UTF-8：请将其另存为 UTF-8 编码的 CSV 后再导入",
     "the file is written in %1, not in UTF-8: save it as CSV in UTF-8 and import that"},
    {PlanMessageId::QuotesOutOfPlace, "该行的双引号位置不对或没有闭合",
     "the row's double quotes are out of place or not closed"},
    {PlanMessageId::QuoteNotClosed, "该行的双引号没有闭合；其后的各行按各自的行读取",
     "a double quote in this row is never closed; the lines after it are read as rows of their "
     "own"},
    {PlanMessageId::NotAFrequency, "%1“%2”不是以 MHz 为单位的频率",
     "%1 \"%2\" is not a frequency in MHz"},
    {PlanMessageId::UnknownDuplex, "Duplex“%1”不是空、+、-、split、off 之一",
     "Duplex \"%1\" is none of: empty, +, -, split, off"},
    {PlanMessageId::ReceiveOnly, "仅接收（Duplex 为 off）：本机没有仅接收的信道",
     "receive only (Duplex off): this radio has no receive-only channels"},
    {PlanMessageId::ReceiveOutOfBand, "接收频率 %1 MHz 超出频段 %2",
     "receive frequency %1 MHz is outside the band %2"},
    {PlanMessageId::TransmitOutOfBand, "发射频率 %1 MHz 超出频段 %2",
     "transmit frequency %1 MHz is outside the band %2"},
    {PlanMessageId::UnknownToneMode, "Tone“%1”不是空、Tone、TSQL、DTCS、Cross 之一",
     "Tone \"%1\" is none of: empty, Tone, TSQL, DTCS, Cross"},
    {PlanMessageId::UnknownCrossMode,
     "CrossMode“%1”不是 Tone->Tone、DTCS->、->Tone、->DTCS、Tone->DTCS、DTCS->Tone、DTCS->DTCS "
     "之一",
     "CrossMode \"%1\" is none of: Tone->Tone, DTCS->, ->Tone, ->DTCS, Tone->DTCS, DTCS->Tone, "
     "DTCS->DTCS"},
    {PlanMessageId::ToneNotInList, "%1“%2”不在本机的亚音频列表中",
     "%1 \"%2\" is not a tone of the radio's list"},
    {PlanMessageId::CodeNotInList, "%1“%2”不在本机的数字亚音（DCS）列表中",
     "%1 \"%2\" is not a DCS code of the radio's list"},
    {PlanMessageId::UnknownPolarity, "DtcsPolarity“%1”不是 NN、NR、RN、RR 之一",
     "DtcsPolarity \"%1\" is none of: NN, NR, RN, RR"},
    {PlanMessageId::UnknownMode, "Mode“%1”既不是 NFM（窄带）也不是 FM（宽带）",
     "Mode \"%1\" is neither NFM (narrow) nor FM (wide)"},
    {PlanMessageId::NoEmptyChannel,
     "没有空信道：48 个信道都已使用（请选择起始信道以替换信道，或按 Location 放置各行）",
     "no channel is empty: all 48 are in use (choose a channel to start from, which replaces the "
     "channels from there, or place each row at its Location)"},
    {PlanMessageId::NoChannelLeft, "没有剩余的信道：前面的行已填入信道 %1，直到最后一个信道（48）",
     "no channel left: the rows before it filled channel(s) %1, up to the last channel (48)"},
    {PlanMessageId::LocationNotAChannel, "Location“%1”不是 1 到 48 之间的信道号",
     "Location \"%1\" is not a channel from 1 to 48"},
    {PlanMessageId::LocationTwice, "Location %1 已在第 %2 行出现过",
     "Location %1 already stood on line %2"},
    {PlanMessageId::LeftOutNotANumber, "未导出：频率“%1”不是数字",
     "left out: the frequency \"%1\" is not a number"},
    {PlanMessageId::BusyLockoutNotCarried, "禁发已开启，CSV 格式没有这一项：导入时将为关闭",
     "busy lockout (Forbid) is on, which the CSV format does not carry: an import sets it off"},
    {PlanMessageId::SkippedOnImport, "导入时将跳过该行：%1", "an import skips its row: %1"},
    {PlanMessageId::MovedOntoRasterOnImport, "导入时 %1 MHz 将移到信道步进上的 %2 MHz",
     "an import moves %1 MHz onto the channel raster, to %2 MHz"},
    {PlanMessageId::ToneChangedOnImport, "导入时亚音频 %1 将变为 %2",
     "an import turns the tone %1 into %2"},
};

constexpr bool PlanMessagesInEnumOrder() {
    for (std::size_t i = 0; i < std::size(kPlanMessages); ++i) {
        if (static_cast<std::size_t>(kPlanMessages[i].id) != i) return false;
    }
    return static_cast<std::size_t>(PlanMessageId::ToneChangedOnImport) + 1 ==
           std::size(kPlanMessages);
}
static_assert(PlanMessagesInEnumOrder(),
              "kPlanMessages must hold one row per PlanMessageId, in enumeration order");

// `text` with %1 and %2 replaced by `first` and `second`, in one pass: a value that itself holds
// "%2" stays as it is.
std::string Fill(std::string_view text, std::string_view first, std::string_view second) {
    std::string filled;
    filled.reserve(text.size() + first.size() + second.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '%' && k + 1 < text.size() && (text[k + 1] == '1' || text[k + 1] == '2')) {
            filled += text[k + 1] == '1' ? first : second;
            ++k;
        } else {
            filled += text[k];
        }
    }
    return filled;
}

}  // namespace

std::string_view MessageText(MessageId id, Language language) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= kMessageCount) return {};
    return In(kMessages[index], language);
}

std::string FormatMessage(MessageId id, Language language,
                          std::initializer_list<std::string_view> values) {
    return FillPlaceholders(MessageText(id, language), values);
}

std::optional<MessageId> MessageOfText(std::string_view text) {
    for (const MessageRow& row : kMessages) {
        if (row.chinese == text || row.english == text) return row.id;
    }
    return std::nullopt;
}

std::string PortBusyMessage(int port, Language language) {
    return PortBusyMessage(std::to_string(port), language);
}

std::string PortBusyMessage(std::string_view port, Language language) {
    return Frame(kPortBusyHead[Slot(language)], port, kPortBusyTail[Slot(language)]);
}

std::string PortPermissionMessage(std::string_view device, Language language) {
    return Frame(kPermissionHead[Slot(language)], device, kPermissionTail[Slot(language)]);
}

std::string PlanMessage(PlanMessageId id, Language language, std::string_view first,
                        std::string_view second) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= std::size(kPlanMessages)) return {};
    const PlanMessageRow& row = kPlanMessages[index];
    return Fill(language == Language::English ? row.english : row.chinese, first, second);
}

std::string UnstorableCharactersMessage(std::string_view characters, bool more, Language language) {
    std::string text =
        Frame(kUnstorableHead[Slot(language)], characters, kUnstorableTail[Slot(language)]);
    if (more) text += kListCutShort;
    return text;
}

}  // namespace qv
