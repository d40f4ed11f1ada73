// Backups of the radio's memory: every read and write keeps an image as a *.DAT file, named by
// date and time, the radio's band and the kind of backup, in a folder the caller names (the
// desktop program's data folder or, for the command line, the same folder found without Qt). The
// newest 200 are kept, and none younger than 30 days is deleted.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/language.h"
#include "image/memory_image.h"
#include "state/status.h"

namespace qv {

enum class BackupKind {
    Read,         // what a read brought
    BeforeWrite,  // the radio's memory, read just before a write
    Written,      // what the radio holds after a write
};

using BackupClock = std::chrono::system_clock;

inline constexpr std::size_t kBackupsKept = 200;
inline constexpr std::chrono::hours kBackupMinimumAge{24 * 30};

// The backup folder of the user's data folder: $XDG_DATA_HOME (when it is an absolute path), or
// else $HOME/.local/share, then the program's data folder name, then "backups". `environment`
// gives a variable's value, or nothing when it is not set. Empty when neither variable helps.
// The desktop program's QStandardPaths::AppDataLocation is the same folder on Linux, for a
// program named as its data folder.
std::filesystem::path BackupFolder(
    const std::function<std::optional<std::string>(const std::string&)>& environment);

// The name of a backup: "2024-05-01_14-03-22_400-470MHz_read.DAT", the time in local time.
std::string BackupFileName(BackupClock::time_point when, int band, BackupKind kind);

// Saves `image` in `folder` (made when missing) the safe way, under a name no backup has yet, then
// prunes the folder. `saved` receives the file's path.
Status SaveBackup(const std::filesystem::path& folder, const ImageBytes& image, int band,
                  BackupKind kind, BackupClock::time_point now,
                  std::filesystem::path* saved = nullptr);

// Deletes the backups beyond the newest kBackupsKept that are older than kBackupMinimumAge. Only
// files named as backups are touched.
void PruneBackups(const std::filesystem::path& folder, BackupClock::time_point now);

struct BackupEntry {
    std::filesystem::path path;
    BackupClock::time_point when;
    int band = 0;
    BackupKind kind = BackupKind::Read;
    // A file that cannot be read as a set-up is listed all the same, as damaged.
    bool damaged = false;
    int channelsInUse = 0;
    std::string embeddedLine1;
};

// The backups in `folder`, newest first; nothing when there is no folder.
std::vector<BackupEntry> ListBackups(const std::filesystem::path& folder);

// "read", "before write", "written" in `language`.
std::string BackupKindText(BackupKind kind, Language language);

// Saves backups for one command or transfer and reports a failure once: later failures of the
// same keeper are silent, and none stops the read or write it belongs to.
class BackupKeeper {
  public:
    BackupKeeper(std::filesystem::path folder, std::function<void(const std::string&)> report,
                 Language language)
        : folder_(std::move(folder)), report_(std::move(report)), language_(language) {}

    // The saved file's path, or nothing when it could not be saved.
    std::optional<std::filesystem::path> Keep(const ImageBytes& image, int band, BackupKind kind,
                                              BackupClock::time_point now = BackupClock::now());

  private:
    std::filesystem::path folder_;
    std::function<void(const std::string&)> report_;
    Language language_;
    bool reported_ = false;
};

}  // namespace qv
