// Every message text of the tool, Chinese and English, as one table. Callers pick the wording by
// MessageLanguage(LanguageIsEnglish); a few messages have one wording used in both languages. A
// message with %1 (and %2) names a value that FormatMessage puts in its place.
#pragma once

#include <initializer_list>
#include <optional>
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
    BandMismatch,         // question before writing to a radio of another band
    CommunicationError,   // the reply watchdog expired
    RadioStoppedWaiting,  // the watchdog expired while the band question was open
    PortMissing,          // %1: no such serial port on this computer
    PortNotSerial,        // %1: the device is no serial port
    // Why a transfer failed, after the name of its port (FailureOnPort): the details of the
    // communication error. %1 is the read request or write frame the radio stopped at.
    FailureOnPort,  // %1 the port, %2 what went wrong
    FailureNoAnswer,
    FailureNoIdentification,
    FailureOtherModel,
    FailureSilentAfterIdentification,
    FailureNoReplyToReadRequest,
    FailureNoReplyToWriteFrame,
    FailureIncompleteImage,
    FailureImageRefused,
    FailureCableGone,
    FailureCableGoneAtReadRequest,
    FailureCableGoneAtWriteFrame,
    MayBeHalfWritten,  // after a write that had sent data
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
    // The status bar after a read or a comparison that ended with the communication error.
    ReadFailed,
    CompareFailed,
    // Quit or the close box while a transfer runs: quit once it has ended?
    QuitAfterTransferQuestion,
};

std::string_view MessageText(MessageId id, Language language);

// The message with %1, %2, ... replaced by the values in order; a number beyond them stays as it
// is.
std::string FormatMessage(MessageId id, Language language,
                          std::initializer_list<std::string_view> values);

// The message whose wording, in either language, is exactly `text`; none for any other text. A
// window that shows a message's text finds it again to show it in the other language.
std::optional<MessageId> MessageOfText(std::string_view text);

// "Serial port N has been other programs use, ..." for port N (1..8).
std::string PortBusyMessage(int port, Language language);
// The same message for a port named otherwise (a device path).
std::string PortBusyMessage(std::string_view port, Language language);

// A port the system refuses for lack of permission, with how to get it (the dialout group on
// Linux). `device` is the device path.
std::string PortPermissionMessage(std::string_view device, Language language);

// Characters typed or pasted into a text the radio keeps, left out because the radio cannot
// store them; `characters` lists them, and `more` says that the list was cut short.
std::string UnstorableCharactersMessage(std::string_view characters, bool more, Language language);

// What happened to a channel plan, a CSV file of channels as the common radio programming tools
// exchange them: why the whole file or one of its rows was not imported, and what an export could
// not carry. Texts name the file's columns as the file does (Frequency, Duplex, rToneFreq...);
// %1 and %2 stand for the values given to PlanMessage.
enum class PlanMessageId {
    // The whole file, refused before anything changes.
    NoHeaderRow,    // nothing but blank lines
    MissingColumn,  // %1 the column
    ColumnTwice,    // %1 the column
    NotUtf8,        // %1 the encoding the file is written in
    // A row that takes no channel.
    QuotesOutOfPlace,
    QuoteNotClosed,  // the lines after it are read as rows of their own
    NotAFrequency,   // %1 the column, %2 its cell
    UnknownDuplex,   // %1 the cell
    ReceiveOnly,
    ReceiveOutOfBand,     // %1 the frequency, %2 the band
    TransmitOutOfBand,    // %1 the frequency, %2 the band
    UnknownToneMode,      // %1 the cell
    UnknownCrossMode,     // %1 the cell
    ToneNotInList,        // %1 the column, %2 its cell
    CodeNotInList,        // %1 the column, %2 its cell
    UnknownPolarity,      // %1 the cell
    UnknownMode,          // %1 the cell
    NoEmptyChannel,       // the rows were to start at the first empty channel
    NoChannelLeft,        // %1 the channels the rows before filled, up to 48
    LocationNotAChannel,  // %1 the cell
    LocationTwice,        // %1 the Location, %2 the line it stood on first
    // A channel an export could not write as it is.
    LeftOutNotANumber,        // %1 the frequency cell
    BusyLockoutNotCarried,    // the format has no such column
    SkippedOnImport,          // %1 the reason an import gives
    MovedOntoRasterOnImport,  // %1 the frequency, %2 where an import puts it
    ToneChangedOnImport,      // %1 the tone, %2 what an import makes of it
};

std::string PlanMessage(PlanMessageId id, Language language, std::string_view first = {},
                        std::string_view second = {});

}  // namespace qv
