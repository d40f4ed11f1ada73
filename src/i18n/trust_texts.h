// The texts of verify after write, backups, comparisons and writing several radios, in Chinese and
// English: how a difference is named and told, what a backup is, how a radio of a fleet ended.
// %1, %2, ... stand for the values given to TrustText.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace qv {

enum class TrustTextId {
    // Names of compared fields.
    Channel,           // %1 the channel label as the grid shows it ("G2- 05")
    ChannelField,      // %1 the channel label, %2 the column
    ReceiveTone,       // the tone column after the receive frequency
    TransmitTone,      // the tone column after the transmit frequency
    DtmfCode,          // %1 the code's number
    TestChannelField,  // %1 the test channel's number, %2 the column
    EmbeddedLine,      // %1 the line's number
    RadioMemory,       // %1 the radio addresses of bytes no field shows
    // Values.
    Empty,  // an empty cell, text or channel
    Checked,
    NotChecked,
    // One difference, told.
    WroteButRadioHolds,  // %1 the field, %2 the written value, %3 the radio's
    ShownButRadioHolds,  // %1 the field, %2 the shown value, %3 the radio's
    OneHasOtherHas,      // %1 the field, %2 and %4 the two sides, %3 and %5 their values
    MoreDifferences,     // %1 how many are not listed
    // Verify after write.
    VerifyPassed,
    VerifyFailed,  // %1 how many differences
    // Backups.
    BackupKindRead,
    BackupKindBeforeWrite,
    BackupKindWritten,
    BackupDamaged,
    BackupNotSaved,  // %1 the file, %2 why
    // Writing several radios: how each one ended.
    FleetWritten,
    FleetSkippedOtherBand,  // %1 the radio's band
    FleetFailed,            // %1 why
    FleetVerified,
    FleetDiffers,  // %1 how many differences
    FleetNotVerified,
    FleetStopped,
    FleetReadingBackFailed,  // %1 why
    FleetBackupReadFailed,   // %1 why
    FleetStepBackupRead,     // a radio's steps, as each starts
    FleetStepWrite,
    FleetStepVerifyRead,
    FleetSeconds,        // %1 the seconds, "12.3"
    FleetListSeparator,  // between the parts of a radio's result
    // The window that writes several radios.
    FleetWindowTitle,
    FleetIntro,  // %1 the band of the set-up shown
    FleetRadios,
    FleetColumnPort,
    FleetColumnDevice,
    FleetColumnProgress,
    FleetColumnResult,
    FleetNoDevice,
    FleetPortName,      // %1 the port, %2 its device
    FleetProgressName,  // %1 the port
    FleetResultName,    // %1 the port
    FleetOtherBand,
    FleetVerify,
    FleetBackupFirst,
    FleetStart,
    FleetStop,
    FleetNothingChecked,
    FleetRunning,  // %1 how many radios are being written
    FleetSummary,  // %1 written, %2 verified, %3 failed or skipped, %4 radios in all
    FleetSummaryName,
};

// The text in `language`, %1... replaced by `values` in order.
std::string TrustText(TrustTextId id, Language language,
                      std::initializer_list<std::string_view> values = {});

}  // namespace qv
