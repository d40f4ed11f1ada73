// The programming station's texts in Chinese and English: why the values for each radio were
// refused, the programming log's troubles, what happens on each port and to each radio, and the
// station's own notices. %1, %2, ... stand for the values given to StationText.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace qv {

enum class StationTextId {
    // The values for each radio, refused before the station starts.
    PatternBraceNotClosed,      // %1 the line (1 or 2), %2 the character
    PatternUnknownPlaceholder,  // %1 the line, %2 the character, %3 the placeholder
    PatternLoneClosingBrace,    // %1 the line, %2 the character
    RosterUnreadable,           // %1 the file, %2 why
    RosterWideEncoding,         // %1 the encoding
    RosterNoHeader,
    RosterNoLineColumn,
    RosterColumnTwice,       // %1 the column
    RosterQuotesOutOfPlace,  // %1 the roster's line
    RosterNoRadios,
    LineFromBoth,       // %1 the line
    WhereRosterCell,    // %1 the roster's line, %2 the embedded line
    WhereCounterValue,  // %1 the embedded line, %2 the number
    ValueTooLong,       // %1 the text, %2 its characters, %3 the most a line holds
    ValueUnstorable,    // %1 the text, %2 the characters refused
    WhereAndWhat,       // %1 where, %2 what
    // The programming log.
    LogIsAnotherFile,  // %1 the file, %2 its first line
    LogUnwritable,     // %1 the file, %2 why
    // A port and its radio, as each event happens.
    PortWaiting,
    PortNotOpen,  // %1 why
    PortLost,
    OtherModel,     // %1 the identification, as printable text
    NoRadioAgain,   // nothing answers any more (after another model or a port that did not open)
    RadioArrived,   // %1 the radio's number, %2 its band
    EmbeddedLines,  // %1 line 1, %2 line 2, as the radio gets them
    RadioWaitsForValues,
    RadioStep,             // %1 the radio's number, %2 the step
    RadioWrittenVerified,  // %1 the radio's number, %2 the seconds
    RadioWritten,          // %1 the radio's number, %2 the seconds
    RadioFailed,           // %1 the radio's number, %2 why, %3 the seconds
    RadioSkipped,          // %1 the radio's number, %2 why
    RadioBackup,           // %1 the radio's number, %2 the backup's file
    RemoveRadio,
    RadioGone,  // %1 the radio's number
    // Why a radio was skipped or failed, as the log's detail says it.
    OtherBand,              // %1 the radio's band, %2 the set-up's band
    DifferencesFound,       // %1 how many, %2 the first
    ReadingBackupFailed,    // %1 why
    WriteFailedMayBeMixed,  // %1 why: the write had sent data
    ReadingBackFailed,      // %1 why
    // A port's state, as large as a window shows it from across the bench.
    StateWaiting,
    StateWriting,   // %1 the percentage
    StateVerified,  // written and read back the same
    StateWritten,   // written, no read-back asked
    StateFailed,    // %1 why
    StateSkipped,   // %1 why
    StateStopped,
    // The station.
    CountReached,       // %1 the radios handled
    RosterUsedUp,       // %1 the roster's rows
    CounterUsedUp,      // %1 why the next value does not fit
    LogFailedStopping,  // %1 why
    Stopping,
    Summary,  // %1 handled, %2 written, %3 verified, %4 failed, %5 skipped
    LogFile,  // %1 the log
};

// The text in `language`, %1... replaced by `values` in order.
std::string StationText(StationTextId id, Language language,
                        std::initializer_list<std::string_view> values = {});

}  // namespace qv
