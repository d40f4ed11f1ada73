// Texts of the desktop program's channel-plan windows, its history of changes, the clipboard, the
// printed sheet, and the windows of backups and comparisons, Chinese and English, as one table. A
// text with %1 (%2, %3) names a value that DesktopTextWith puts in its place.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace qv {

enum class DesktopText {
    // Before a command replaces a set-up that has changes not saved.
    KeepChangesQuestion,
    // The import window.
    ImportTitle,
    ImportFile,         // %1 the file
    ImportFromChannel,  // the label of the list of start channels
    ImportFirstEmpty,   // %1 the channel: the first item of that list
    ImportNoEmptyChannel,
    ImportWillFill,     // %1 how many, %2 the channels
    ImportWillReplace,  // %1 how many, %2 the channels
    ImportFillsNothing,
    ImportRefused,  // %1 why
    ImportSkipped,  // %1 how many
    ImportNoneSkipped,
    ImportColumnLine,
    ImportColumnLocation,
    ImportColumnReason,
    ImportSkippedName,  // the accessible name of the table of skipped rows
    ImportAtLocation,   // the choice to put each row at its Location
    // The export.
    ExportDone,  // %1 how many, %2 the file
    PdfDone,     // %1 the file
    // The clipboard.
    PasteRefusedHead,
    PasteCell,  // %1 the channel, %2 the column, %3 the text, then the reason
    PasteNotANumber,
    PasteOutOfBand,
    PasteNotAnItem,
    PasteEmptyChannel,
    PastePastLastChannel,
    PastePastLastColumn,
    PasteMore,      // %1 how many more
    PasteDeleted,   // %1 how many, %2 the channels
    CopyNotATable,  // a selection that is no table
    // The printed sheet.
    PrintTitle,
    PrintFile,  // %1 the file
    PrintNoFile,
    PrintDate,  // %1 the date
    // File dialogs.
    CsvFilter,
    PdfFilter,
    ExportCsvTitle,
    ExportPdfTitle,
    // A write with its backup and verify: the result line of the status bar.
    WriteStoppedAtBackup,
    WriteNotVerified,
    // The restore window.
    RestoreTitle,
    RestoreFolder,  // %1 the folder
    RestoreNone,
    RestoreListName,
    RestoreOpen,
    RestoreWrite,
    RestoreWriteQuestion,  // %1 the backup's date, %2 its band
    // The comparison with a radio.
    CompareTitle,
    CompareSame,
    CompareField,
    CompareShown,
    CompareRadio,
    CompareListName,
    Close,
};

std::string_view DesktopTextOf(DesktopText id, Language language);

// The text with %1, %2, ... replaced by `values` in order.
std::string DesktopTextWith(DesktopText id, Language language,
                            std::initializer_list<std::string_view> values);

}  // namespace qv
