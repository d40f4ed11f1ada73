// The captions and sentences of the programming station's window, in Chinese and English: its
// choices (ports, each radio's lines, the log), each port's state as read from across the bench,
// the counters, the table of the last radios of the log, and what the window says as it runs.
// The station's own words (each radio's step and end, why it stopped) are in station_texts.h.
// %1, %2, ... stand for the values given to StationWindowText.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace qv {

enum class StationWindowTextId {
    WindowTitle,
    Intro,     // %1 the set-up's file, %2 its band
    Untitled,  // the set-up shown came from no file
    Ports,
    // Each radio's embedded lines.
    Lines,
    KeepLines,
    PatternLines,
    RosterLines,
    LineOne,
    LineTwo,
    PatternHint,
    FirstNumber,
    RosterFile,
    RosterBrowse,
    RosterDialogTitle,
    RosterFilter,
    PreviewName,
    PreviewEvery,   // %1 line 1, %2 line 2: every radio gets the same
    PreviewFirst,   // %1 line 1, %2 line 2: the first radio; the next ones count on
    PreviewRoster,  // %1 the roster's rows, %2 line 1, %3 line 2
    ChooseRoster,   // no roster chosen yet
    RosterRefused,  // %1 the file, %2 every reason, a line each
    ValuesRefused,  // %1 every reason, a line each
    NotStarted,     // ends a refusal at Start
    // The programming log.
    LogFile,
    LogBrowse,
    LogDialogTitle,
    LogFilter,
    LogEmpty,        // %1 the log
    LogShown,        // %1 how many radios, %2 the log
    LogUnreadable,   // %1 the log, %2 why
    LogLinesUnread,  // %1 how many, %2 their lines
    LogEndUnread,    // %1 how many: records near the end of a large log
    LogFailedBox,    // %1 why, %2 the radios not in the log, a line each
    NotInLog,        // the mark of a radio the log could not take
    // The table of the last radios.
    Table,
    ColumnTime,
    ColumnPort,
    ColumnRadio,
    ColumnBand,
    ColumnLineOne,
    ColumnLineTwo,
    ColumnResult,
    ColumnVerify,
    ColumnBackup,
    ColumnDetail,
    ResultWritten,
    ResultFailed,
    ResultSkipped,
    VerifyVerified,
    VerifyDiffers,
    VerifyNotChecked,
    // Each port at work.
    Bench,
    BenchHint,
    PortCaption,  // %1 the port, %2 its device
    StateName,    // %1 the port
    DetailName,   // %1 the port
    // The counters.
    CounterWritten,
    CounterVerified,
    CounterFailed,
    CounterSkipped,
    // The buttons and what the window says.
    StopNow,
    SameDevice,  // %1 a port, %2 another, %3 their device
    Running,     // %1 how many ports
    Stopping,
    StoppingNow,
    Stopped,       // %1 why it stopped, %2 the station's summary
    StoppedAsked,  // the user stopped it
    StatusName,
    RadioEndedCue,  // %1 the port, %2 the radio's number, %3 how it ended, %4 the sound heard
    CueOneBeep,
    CueThreeBeeps,
    CloseQuestion,
};

// The text in `language`, %1... replaced by `values` in order.
std::string StationWindowText(StationWindowTextId id, Language language,
                              std::initializer_list<std::string_view> values = {});

}  // namespace qv
