// A backup as one row of a list, in either language: the desktop program's restore window and
// the command line's list show the same columns with the same values.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "i18n/language.h"
#include "rules/backups/backups.h"

namespace qv {

enum BackupColumn {
    kBackupDateColumn,
    kBackupBandColumn,
    kBackupPortColumn,  // "-" for a backup named without its port
    kBackupKindColumn,
    kBackupChannelsColumn,  // the channels in use, or "damaged"
    kBackupEmbeddedColumn,  // line 1 of the embedded information, as it stands
    kBackupColumns
};

using BackupRowTexts = std::array<std::string, kBackupColumns>;

// "2024-05-01 14:03:22", in local time.
std::string BackupLocalTime(BackupClock::time_point when);

BackupRowTexts BackupHeaders(Language language);
BackupRowTexts BackupRow(const BackupEntry& entry, Language language);

}  // namespace qv
