#include "rules/backups/backups.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <system_error>

#include "i18n/backup_texts.h"
#include "image/image_codec.h"
#include "rules/program/dat_file.h"
#include "rules/program/program_files.h"
#include "rules/program/safe_save.h"
#include "state/bands.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBackupsFolderName = "backups";
constexpr std::string_view kExtension = ".DAT";
constexpr std::string_view kDevicePrefix = "/dev/";
// "2024-05-01_14-03-22": d a digit, any other character itself.
constexpr std::string_view kStampPattern = "dddd-dd-dd_dd-dd-dd";
constexpr std::size_t kPortTokenLength = 64;
// Names tried for the backups of one kind, band and port taken in the same second.
constexpr int kSameSecondNames = 1000;

struct KindSpelling {
    BackupKind kind;
    std::string_view token;  // in the file name
    BackupTextId text;
};
constexpr std::array<KindSpelling, 4> kKinds = {{
    {BackupKind::Read, "read", BackupTextId::KindRead},
    {BackupKind::BeforeWrite, "before-write", BackupTextId::KindBeforeWrite},
    {BackupKind::Written, "written", BackupTextId::KindWritten},
    {BackupKind::Sent, "sent", BackupTextId::KindSent},
}};

const KindSpelling& SpellingOf(BackupKind kind) {
    for (const KindSpelling& spelling : kKinds) {
        if (spelling.kind == kind) return spelling;
    }
    return kKinds[0];
}

std::optional<BackupKind> KindNamed(std::string_view token) {
    for (const KindSpelling& spelling : kKinds) {
        if (spelling.token == token) return spelling.kind;
    }
    return std::nullopt;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "2", "3"...: the number of a later backup of the same second, as SaveBackup gives it.
bool IsSameSecondNumber(std::string_view text) {
    return !text.empty() && text.front() != '0' && text != "1" &&
           text.size() <= std::to_string(kSameSecondNames).size() &&
           std::all_of(text.begin(), text.end(), IsDigit);
}

std::string Stamp(BackupClock::time_point when) {
    const std::time_t seconds = BackupClock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    return stamp;
}

// The time a stamp names; nothing unless it is one Stamp gives.
std::optional<BackupClock::time_point> ParseStamp(std::string_view text) {
    if (text.size() != kStampPattern.size()) return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (kStampPattern[i] == 'd' ? !IsDigit(text[i]) : text[i] != kStampPattern[i]) {
            return std::nullopt;
        }
    }
    const auto number = [&](std::size_t from, std::size_t count) {
        return std::atoi(std::string(text.substr(from, count)).c_str());
    };
    std::tm local{};
    local.tm_year = number(0, 4) - 1900;
    local.tm_mon = number(5, 2) - 1;
    local.tm_mday = number(8, 2);
    local.tm_hour = number(11, 2);
    local.tm_min = number(14, 2);
    local.tm_sec = number(17, 2);
    local.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&local);
    if (seconds == -1) return std::nullopt;
    const BackupClock::time_point when = BackupClock::from_time_t(seconds);
    // A date that does not exist (the 31st of April, hour 25) comes back as another one.
    if (Stamp(when) != text) return std::nullopt;
    return when;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string_view::npos ? at : at - from));
        if (at == std::string_view::npos) return parts;
        from = at + 1;
    }
}

// What a backup's name says.
struct NameParts {
    BackupClock::time_point when;
    int band;
    std::string port;
    BackupKind kind;
};

// "<stamp>_<band>[_<port>]_<kind>[_<n>].DAT", every part as BackupFileName and SaveBackup give it;
// nothing for any other name.
std::optional<NameParts> ParseName(std::string_view name) {
    if (!name.ends_with(kExtension)) return std::nullopt;
    name.remove_suffix(kExtension.size());
    if (name.size() <= kStampPattern.size() || name[kStampPattern.size()] != '_') {
        return std::nullopt;
    }
    const std::optional<BackupClock::time_point> when =
        ParseStamp(name.substr(0, kStampPattern.size()));
    if (!when) return std::nullopt;
    // A band's list text holds no '_': the parts after the stamp are band, port, kind, number.
    const std::vector<std::string_view> parts = Split(name.substr(kStampPattern.size() + 1), '_');
    int band = -1;
    for (int position = 0; position < kBandCount; ++position) {
        if (parts.front() == BandAt(position).listText) band = position;
    }
    if (band < 0) return std::nullopt;
    // Without a number the kind is last; with one, the number is. The kind is right after the
    // band in the names of older versions, which carry no port.
    const bool numbered = parts.size() >= 3 && IsSameSecondNumber(parts.back());
    const std::size_t kindAt = parts.size() - (numbered ? 2 : 1);
    if (kindAt < 1 || kindAt > 2) return std::nullopt;
    const std::optional<BackupKind> kind = KindNamed(parts[kindAt]);
    if (!kind) return std::nullopt;
    std::string port;
    if (kindAt == 2) {
        if (parts[1].empty() || BackupPortToken(parts[1]) != parts[1]) return std::nullopt;
        port = parts[1];
    }
    return NameParts{*when, band, std::move(port), *kind};
}

struct NamedBackup {
    fs::path path;
    NameParts parts;
};

struct Found {
    std::vector<NamedBackup> backups;  // newest first
    int folderError = 0;
};

Found BackupsIn(const fs::path& folder) {
    Found found;
    std::error_code error;
    fs::directory_iterator entry(folder, error);
    if (error) {
        // A folder not made yet holds no backups; one that cannot be read is another matter.
        if (error != std::errc::no_such_file_or_directory) found.folderError = error.value();
        return found;
    }
    for (const fs::directory_iterator end; entry != end; entry.increment(error)) {
        if (error) {
            found.folderError = error.value();
            break;
        }
        std::error_code ignored;
        if (!entry->is_regular_file(ignored)) continue;
        if (auto parts = ParseName(entry->path().filename().string())) {
            found.backups.push_back({entry->path(), std::move(*parts)});
        }
    }
    // Newest first; within one second, by name.
    std::sort(found.backups.begin(), found.backups.end(),
              [](const NamedBackup& a, const NamedBackup& b) {
                  if (a.parts.when != b.parts.when) return a.parts.when > b.parts.when;
                  return a.path.filename() > b.path.filename();
              });
    return found;
}

// A name of its own for the bytes until they are complete: hidden, and never one of a backup.
fs::path DraftName(const fs::path& folder) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::random_device random;
    std::uint64_t bits = (std::uint64_t{random()} << 32) | random();
    std::string name = ".backup-";
    for (int digit = 0; digit < 16; ++digit, bits >>= 4) name += kDigits[bits & 0xF];
    return folder / (name + ".saving");
}

// Gives the complete `draft` the name `path` unless a file has it; false when one has.
// A hard link takes a name in one step that never replaces a file. Where the file system has no
// hard links, the name is taken empty and exclusively first and the draft renamed over it.
bool TakeName(const fs::path& draft, const fs::path& path, std::error_code& error) {
    fs::create_hard_link(draft, path, error);
    if (!error) return true;
    if (error == std::errc::file_exists) {
        error.clear();
        return false;
    }
    std::FILE* reserved = std::fopen(path.c_str(), "wbx");
    if (reserved == nullptr) {
        error = std::error_code(errno, std::generic_category());
        if (error == std::errc::file_exists) error.clear();
        return false;
    }
    std::fclose(reserved);
    error.clear();
    fs::rename(draft, path, error);
    return !error;
}

// Deletes the backups beyond the newest kBackupsKept that are older than kBackupMinimumAge.
void PruneBackups(const fs::path& folder, BackupClock::time_point now) {
    const std::vector<NamedBackup> backups = BackupsIn(folder).backups;
    for (std::size_t i = kBackupsKept; i < backups.size(); ++i) {
        if (now - backups[i].parts.when < kBackupMinimumAge) continue;
        std::error_code ignored;
        fs::remove(backups[i].path, ignored);
    }
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

fs::path UserBackupFolder() {
    return BackupFolder([](const std::string& variable) -> std::optional<std::string> {
        const char* value = std::getenv(variable.c_str());
        return value == nullptr ? std::nullopt : std::optional<std::string>(value);
    });
}

std::string BackupPortToken(std::string_view port) {
    if (port.starts_with(kDevicePrefix)) port.remove_prefix(kDevicePrefix.size());
    std::string token;
    for (const char c : port) {
        const bool kept = std::isalnum(static_cast<unsigned char>(c)) || c == '-';
        if (token.empty() && !kept) continue;
        token += kept ? c : '-';
    }
    if (token.size() > kPortTokenLength) token.resize(kPortTokenLength);
    while (!token.empty() && token.back() == '-') token.pop_back();
    return token;
}

std::string BackupFileName(BackupClock::time_point when, int band, BackupKind kind,
                           std::string_view port) {
    const std::string token = BackupPortToken(port);
    return Stamp(when) + "_" + std::string(BandAt(band).listText) +
           (token.empty() ? std::string() : "_" + token) + "_" +
           std::string(SpellingOf(kind).token) + std::string(kExtension);
}

Status SaveBackup(const fs::path& folder, const ImageBytes& image, int band, BackupKind kind,
                  std::string_view port, BackupClock::time_point now, fs::path* saved) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        return Status::Refused(MessageId::SaveFolderMissing,
                               Detail::SystemError(folder.string(), error.value()));
    }
    const fs::path draft = DraftName(folder);
    if (const Status written = WriteDatFile(draft, image); !written.ok()) return written;
    const std::string name = BackupFileName(now, band, kind, port);
    const std::string stem = name.substr(0, name.size() - kExtension.size());
    fs::path path = folder / name;
    bool named = false;
    for (int number = 2; !named && number <= kSameSecondNames + 1; ++number) {
        named = TakeName(draft, path, error);
        if (error) break;
        if (!named) path = folder / (stem + "_" + std::to_string(number) + std::string(kExtension));
    }
    std::error_code ignored;
    fs::remove(draft, ignored);
    if (!named) {
        return Status::Refused(MessageId::FileUnwritable,
                               Detail::SystemError(path.string(), error ? error.value() : EEXIST));
    }
    // The station takes the next radio once this returns: the backup's name must last a power cut.
    SyncFolder(folder);
    if (saved != nullptr) *saved = path;
    PruneBackups(folder, now);
    return Status::Ok();
}

BackupList ListBackups(const fs::path& folder) {
    Found found = BackupsIn(folder);
    BackupList list;
    list.folderError = found.folderError;
    for (NamedBackup& backup : found.backups) {
        BackupEntry entry;
        entry.path = backup.path;
        entry.when = backup.parts.when;
        entry.band = backup.parts.band;
        entry.port = std::move(backup.parts.port);
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
        list.entries.push_back(std::move(entry));
    }
    return list;
}

std::string BackupKindText(BackupKind kind, Language language) {
    return BackupText(SpellingOf(kind).text, language);
}

SavedBackup BackupKeeper::Keep(const ImageBytes& image, int band, BackupKind kind,
                               std::string_view port, BackupClock::time_point now) const {
    SavedBackup kept;
    kept.kind = kind;
    kept.path = folder_ / BackupFileName(now, band, kind, port);
    if (folder_.empty()) {
        kept.status = Status::Refused(MessageId::SaveFolderMissing);
        return kept;
    }
    kept.status = SaveBackup(folder_, image, band, kind, port, now, &kept.path);
    return kept;
}

}  // namespace qv
