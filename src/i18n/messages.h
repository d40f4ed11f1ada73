// Every message text of the tool, Chinese and English, as one table. Callers pick the wording by
// MessageLanguage(LanguageIsEnglish); a few messages have one wording used in both languages.
#pragma once

#include <string>
#include <string_view>

#include "i18n/language.h"

namespace qv {

enum class MessageId {
    // Serial link and transfers.
    PortNotOpen,    // the port could not be opened at the start of a transfer
    Communicating,  // status label while a transfer runs
    ReadSuccess,
    WriteSuccess,
    BandMismatch,        // question before writing to a radio of another band
    CommunicationError,  // the reply watchdog expired
    // Channel grid and band.
    OutOfBand,
    BandChangeQuestion,
    BandChangeTitle,
    // File commands.
    NewQuestion,
    NewTitle,
    WrongFileType,
    OverwriteQuestion,
    // Optional-functions dialog (one wording in both languages).
    PriorityNeedsChannel,
    PriorityNeedsChannelTitle,
    PriorityChannelEmpty,
    DtmfCodeTooLong,
    // Test-frequency dialog.
    TestFrequencyOutOfField,  // a typed test frequency the image cannot hold
    // Damaged input, refused before anything changes.
    ImageTooShort,   // an image with fewer than 1520 bytes
    FileTooShort,    // a *.DAT file shorter than 1525 bytes
    FileUnreadable,  // a *.DAT file that cannot be opened or read
    FileUnwritable,  // a *.DAT file that cannot be written
    // Saves refused before anything is written.
    SaveTargetIsFolder,     // the name to save under is a folder
    SaveTargetNotAFile,     // the name is a device, a named pipe or a socket
    SaveFolderMissing,      // the folder to save into does not exist
    SaveFolderNotWritable,  // the folder to save into may not be written
    SaveFileNotWritable,    // the file that is there may not be written
    // The desktop program.
    SettingsNotKept,  // the parameter file can be written nowhere
};

std::string_view MessageText(MessageId id, Language language);

// "Serial port N has been other programs use, ..." for port N (1..8).
std::string PortBusyMessage(int port, Language language);

// A port the system refuses for lack of permission, with how to get it (the dialout group on
// Linux). `device` is the device path.
std::string PortPermissionMessage(std::string_view device, Language language);

// Characters typed or pasted into a text the radio keeps, left out because the radio cannot
// store them; `characters` lists them, and `more` says that the list was cut short.
std::string UnstorableCharactersMessage(std::string_view characters, bool more, Language language);

}  // namespace qv
