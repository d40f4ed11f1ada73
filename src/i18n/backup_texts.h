// What a backup of the radio's memory is called: its kinds, a damaged one, one not saved, in
// Chinese and English. %1, %2, ... stand for the values given to BackupText.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace qv {

enum class BackupTextId {
    // Backups.
    KindRead,
    KindBeforeWrite,
    KindWritten,
    Damaged,
    NotSaved,  // %1 the file, %2 why
};

// The text in `language`, %1... replaced by `values` in order.
std::string BackupText(BackupTextId id, Language language,
                       std::initializer_list<std::string_view> values = {});

}  // namespace qv
