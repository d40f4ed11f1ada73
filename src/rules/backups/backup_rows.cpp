#include "rules/backups/backup_rows.h"

#include <ctime>

#include "i18n/backup_texts.h"
#include "state/bands.h"

namespace qv {
namespace {

constexpr BackupTextId kHeaders[kBackupColumns] = {
    BackupTextId::ColumnDate, BackupTextId::ColumnBand,     BackupTextId::ColumnPort,
    BackupTextId::ColumnKind, BackupTextId::ColumnChannels, BackupTextId::ColumnEmbedded,
};

}  // namespace

std::string BackupLocalTime(BackupClock::time_point when) {
    const std::time_t seconds = BackupClock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

BackupRowTexts BackupHeaders(Language language) {
    BackupRowTexts headers;
    for (int column = 0; column < kBackupColumns; ++column) {
        headers[column] = BackupText(kHeaders[column], language);
    }
    return headers;
}

BackupRowTexts BackupRow(const BackupEntry& entry, Language language) {
    return {BackupLocalTime(entry.when),
            std::string(BandAt(entry.band).listText),
            entry.port.empty() ? std::string("-") : entry.port,
            BackupKindText(entry.kind, language),
            entry.damaged ? BackupText(BackupTextId::Damaged, language)
                          : std::to_string(entry.channelsInUse),
            entry.damaged ? std::string() : entry.embeddedLine1};
}

}  // namespace qv
