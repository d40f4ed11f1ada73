#include "rules/backups/backups.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <system_error>

#include "i18n/backup_texts.h"
#include "image/image_codec.h"
#include "rules/program/dat_file.h"
#include "rules/program/program_files.h"
#include "state/bands.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBackupsFolderName = "backups";
constexpr std::string_view kExtension = ".DAT";

struct KindSpelling {
    BackupKind kind;
    std::string_view token;  // in the file name
    BackupTextId text;
};
constexpr std::array<KindSpelling, 3> kKinds = {{
    {BackupKind::Read, "read", BackupTextId::KindRead},
    {BackupKind::BeforeWrite, "before-write", BackupTextId::KindBeforeWrite},
    {BackupKind::Written, "written", BackupTextId::KindWritten},
}};

const KindSpelling& SpellingOf(BackupKind kind) {
    for (const KindSpelling& spelling : kKinds) {
        if (spelling.kind == kind) return spelling;
    }
    return kKinds[0];
}

// What a backup's name says.
struct NameParts {
    BackupClock::time_point when;
    int band;
    BackupKind kind;
};

// "YYYY-MM-DD_hh-mm-ss_<band>_<kind>[_n].DAT", or nothing for any other name.
std::optional<NameParts> ParseName(const std::string& name) {
    if (name.size() <= kExtension.size() || !name.ends_with(kExtension)) return std::nullopt;
    std::tm local{};
    int consumed = 0;
    if (std::sscanf(name.c_str(), "%4d-%2d-%2d_%2d-%2d-%2d_%n", &local.tm_year, &local.tm_mon,
                    &local.tm_mday, &local.tm_hour, &local.tm_min, &local.tm_sec, &consumed) != 6 ||
        consumed != 20) {
        return std::nullopt;
    }
    local.tm_year -= 1900;
    local.tm_mon -= 1;
    local.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&local);
    if (seconds == -1) return std::nullopt;
    std::string_view rest(name);
    rest.remove_prefix(static_cast<std::size_t>(consumed));
    rest.remove_suffix(kExtension.size());
    for (int band = 0; band < kBandCount; ++band) {
        const std::string_view bandText = BandAt(band).listText;
        if (!rest.starts_with(bandText) || rest.size() <= bandText.size() ||
            rest[bandText.size()] != '_') {
            continue;
        }
        std::string_view kindText = rest.substr(bandText.size() + 1);
        // A second backup in the same second has "_2", "_3", ... behind its kind.
        if (const std::size_t mark = kindText.find('_'); mark != std::string_view::npos) {
            kindText = kindText.substr(0, mark);
        }
        for (const KindSpelling& spelling : kKinds) {
            if (spelling.token == kindText) {
                return NameParts{BackupClock::from_time_t(seconds), band, spelling.kind};
            }
        }
    }
    return std::nullopt;
}

struct NamedBackup {
    fs::path path;
    NameParts parts;
};

std::vector<NamedBackup> BackupsIn(const fs::path& folder) {
    std::vector<NamedBackup> found;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (!entry->is_regular_file(error)) continue;
        if (const auto parts = ParseName(entry->path().filename().string())) {
            found.push_back({entry->path(), *parts});
        }
    }
    // Newest first; within one second, by name.
    std::sort(found.begin(), found.end(), [](const NamedBackup& a, const NamedBackup& b) {
        if (a.parts.when != b.parts.when) return a.parts.when > b.parts.when;
        return a.path.filename() > b.path.filename();
    });
    return found;
}

}  // namespace

fs::path BackupFolder(
    const std::function<std::optional<std::string>(const std::string&)>& environment) {
    fs::path data;
    if (const auto xdg = environment("XDG_DATA_HOME"); xdg && fs::path(*xdg).is_absolute()) {
        data = *xdg;
    } else if (const auto home = environment("HOME"); home && !home->empty()) {
        data = fs::path(*home) / ".local" / "share";
    } else {
        return {};
    }
    return data / kDataFolderName / kBackupsFolderName;
}

std::string BackupFileName(BackupClock::time_point when, int band, BackupKind kind) {
    const std::time_t seconds = BackupClock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    return std::string(stamp) + "_" + std::string(BandAt(band).listText) + "_" +
           std::string(SpellingOf(kind).token) + std::string(kExtension);
}

Status SaveBackup(const fs::path& folder, const ImageBytes& image, int band, BackupKind kind,
                  BackupClock::time_point now, fs::path* saved) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        return Status::Refused(MessageId::SaveFolderMissing,
                               Detail::SystemError(folder.string(), error.value()));
    }
    const std::string name = BackupFileName(now, band, kind);
    fs::path path = folder / name;
    const std::string stem = name.substr(0, name.size() - kExtension.size());
    for (int number = 2; fs::exists(path, error); ++number) {
        path = folder / (stem + "_" + std::to_string(number) + std::string(kExtension));
    }
    if (const Status written = WriteDatFile(path, image); !written.ok()) return written;
    if (saved != nullptr) *saved = path;
    PruneBackups(folder, now);
    return Status::Ok();
}

void PruneBackups(const fs::path& folder, BackupClock::time_point now) {
    const std::vector<NamedBackup> backups = BackupsIn(folder);
    for (std::size_t i = kBackupsKept; i < backups.size(); ++i) {
        if (now - backups[i].parts.when < kBackupMinimumAge) continue;
        std::error_code ignored;
        fs::remove(backups[i].path, ignored);
    }
}

std::vector<BackupEntry> ListBackups(const fs::path& folder) {
    std::vector<BackupEntry> entries;
    for (const NamedBackup& backup : BackupsIn(folder)) {
        BackupEntry entry;
        entry.path = backup.path;
        entry.when = backup.parts.when;
        entry.band = backup.parts.band;
        entry.kind = backup.parts.kind;
        ImageBytes image{};
        if (!ReadDatFile(backup.path, image).ok()) {
            entry.damaged = true;
        } else {
            const Setup setup = DecodeSetup(image, Setup{}, Language::English).setup;
            for (int row = 1; row <= kChannelCount; ++row) {
                if (ChannelInUse(setup, row)) ++entry.channelsInUse;
            }
            entry.embeddedLine1 = setup.EmbeddedInfo[0];
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string BackupKindText(BackupKind kind, Language language) {
    return BackupText(SpellingOf(kind).text, language);
}

std::optional<fs::path> BackupKeeper::Keep(const ImageBytes& image, int band, BackupKind kind,
                                           BackupClock::time_point now) {
    fs::path saved;
    Status status = folder_.empty() ? Status::Refused(MessageId::SaveFolderMissing)
                                    : SaveBackup(folder_, image, band, kind, now, &saved);
    if (status.ok()) return saved;
    if (!reported_ && report_) {
        reported_ = true;
        const fs::path named = folder_.empty() ? fs::path(BackupFileName(now, band, kind))
                                               : folder_ / BackupFileName(now, band, kind);
        report_(BackupText(BackupTextId::NotSaved, language_,
                           {named.string(), status.Describe(language_)}));
    }
    return std::nullopt;
}

}  // namespace qv
