// How each radio of a write to several radios ended, and the captions of the window that writes
// them, in Chinese and English. %1, %2, ... stand for the values given to FleetText.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace qv {

enum class FleetTextId {
    // Writing several radios: how each one ended.
    Written,
    SkippedOtherBand,       // %1 the radio's band
    Failed,                 // %1 why
    FailedMayBeMixed,       // %1 why: the write had sent data
    FailedReadingBackup,    // %1 why
    NotWrittenNoBackup,     // %1 the backup's file, %2 why it could not be saved
    StoppedNothingWritten,  // stopped before a block was written
    StoppedMidWrite,        // %1 the write frame it stopped at
    Verified,
    Differs,                 // %1 how many differences
    NotVerifiedReadingBack,  // %1 why the read-back failed
    VerifyStopped,           // stopped after the write, before the read-back
    BackupFile,              // %1 the backup's file name
    BackupNotSaved,          // %1 the backup's file name, %2 why
    StepBackupRead,          // a radio's steps, as each starts
    StepWrite,
    StepVerifyRead,
    Seconds,        // %1 the seconds, "12.3"
    ListSeparator,  // between the parts of a radio's result
    // The window that writes several radios.
    WindowTitle,
    Intro,  // %1 the band of the set-up shown
    Radios,
    ColumnPort,
    ColumnDevice,
    ColumnProgress,
    ColumnResult,
    NoDevice,
    PortName,      // %1 the port, %2 its device
    ProgressName,  // %1 the port
    ResultName,    // %1 the port
    OtherBand,
    Verify,
    BackupFirst,
    Start,
    Stop,
    NothingChecked,
    Running,  // %1 how many radios are being written
    Summary,  // %1 written, %2 verified, %3 failed or skipped, %4 radios in all
    SummaryName,
};

// The text in `language`, %1... replaced by `values` in order.
std::string FleetText(FleetTextId id, Language language,
                      std::initializer_list<std::string_view> values = {});

}  // namespace qv
