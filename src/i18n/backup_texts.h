// What a backup of the radio's memory is called: its kinds, the columns of a list of backups, a
// damaged one, one not saved, a folder that cannot be read and the write that waits for its
// backup, in Chinese and English. %1, %2, ... stand for the values given to BackupText.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace qv {

enum class BackupTextId {
    // The kinds of backup.
    KindRead,
    KindBeforeWrite,
    KindWritten,
    KindSent,
    // The columns of a list of backups.
    ColumnDate,
    ColumnBand,
    ColumnPort,
    ColumnKind,
    ColumnChannels,
    ColumnEmbedded,
    Damaged,
    NotSaved,          // %1 the file, %2 why
    FolderUnreadable,  // %1 the folder, %2 why
    // The backup read before a write could not be saved.
    WriteWithoutBackup,  // %1 the file, %2 why: the question, default No
    NotWrittenNoBackup,  // the result line after No
};

// The text in `language`, %1... replaced by `values` in order.
std::string BackupText(BackupTextId id, Language language,
                       std::initializer_list<std::string_view> values = {});

}  // namespace qv
