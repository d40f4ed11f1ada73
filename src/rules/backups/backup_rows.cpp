#include "rules/backups/backup_rows.h"

#include <ctime>

#include "i18n/backup_texts.h"
#include "state/bands.h"

namespace qv {
namespace {

struct HeaderText {
    std::string_view chinese;
    std::string_view english;
};

constexpr HeaderText kHeaders[kBackupColumns] = {
    {"日期", "Date"},
    {"频段", "Band"},
    {"类型", "Kind"},
    {"已用信道", "Channels"},
    {"嵌入信息第 1 行", "Embedded line 1"},
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
        const HeaderText& text = kHeaders[column];
        headers[column] = language == Language::English ? text.english : text.chinese;
    }
    return headers;
}

BackupRowTexts BackupRow(const BackupEntry& entry, Language language) {
    return {BackupLocalTime(entry.when), std::string(BandAt(entry.band).listText),
            BackupKindText(entry.kind, language),
            entry.damaged ? BackupText(BackupTextId::Damaged, language)
                          : std::to_string(entry.channelsInUse),
            entry.damaged ? std::string() : entry.embeddedLine1};
}

}  // namespace qv
