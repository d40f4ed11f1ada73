// Backups of the radio's memory: every read and write keeps an image as a *.DAT file, named by
// date and time, the radio's band, the port it was on and the kind of backup, in a folder the
// caller names (the desktop program's data folder or, for the command line, the same folder found
// without Qt). The newest 200 are kept, and none younger than 30 days is deleted. Only files whose
// whole name is one this program gives are ever listed or deleted.
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
    Written,      // what the radio holds after a write: read back, or the memory read before the
                  // write with the written blocks over it
    Sent,         // what a write sent, where the radio's memory was not read: the radio holds it
                  // except for the bytes it keeps to itself
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

// The same, from this process's environment: the command line's backups folder.
std::filesystem::path UserBackupFolder();

// A port as a backup's name carries it: "COM3" stays "COM3", a device path loses "/dev/" and
// every character a file name had better not hold ("/dev/ttyUSB0" is "ttyUSB0", "/dev/pts/5"
// "pts-5"). Empty for an empty port.
std::string BackupPortToken(std::string_view port);

// The name of a backup: "2024-05-01_14-03-22_400-470MHz_COM3_read.DAT", the time in local time,
// `port` as BackupPortToken gives it (left out when empty, as in the names of older versions).
std::string BackupFileName(BackupClock::time_point when, int band, BackupKind kind,
                           std::string_view port);

// Saves `image` in `folder` (made when missing) under a name no file has: the bytes go to a file
// of their own first and take the name complete, in a step that never replaces a file, so two
// programs saving in the same second each keep theirs ("_2", "_3"... after the kind). Then prunes
// the folder: the backups beyond the newest kBackupsKept that are older than kBackupMinimumAge
// are deleted, and no other file. `saved` receives the file's path.
Status SaveBackup(const std::filesystem::path& folder, const ImageBytes& image, int band,
                  BackupKind kind, std::string_view port, BackupClock::time_point now,
                  std::filesystem::path* saved = nullptr);

struct BackupEntry {
    std::filesystem::path path;
    BackupClock::time_point when;
    int band = 0;
    std::string port;  // as the name carries it; empty in the names of older versions
    BackupKind kind = BackupKind::Read;
    // A file that cannot be read as a set-up is listed all the same, as damaged.
    bool damaged = false;
    int channelsInUse = 0;
    std::string embeddedLine1;
};

struct BackupList {
    std::vector<BackupEntry> entries;  // newest first
    // The system's error (an errno value) when the folder is there but cannot be read: a file
    // where it should be, no permission. 0 when it was read, or is not made yet.
    int folderError = 0;
};

// The backups in `folder`; none when there is no folder yet.
BackupList ListBackups(const std::filesystem::path& folder);

// "read", "before write", "written", "sent" in `language`.
std::string BackupKindText(BackupKind kind, Language language);

// What became of one backup.
struct SavedBackup {
    BackupKind kind = BackupKind::Read;
    std::filesystem::path path;  // the file saved; when it could not be, the file it was to be
    Status status = Status::Ok();

    bool Saved() const { return status.ok(); }
};

// Keeps backups in one folder. A backup that cannot be saved stops nothing here: the caller
// decides what follows and how the user is told.
class BackupKeeper {
  public:
    explicit BackupKeeper(std::filesystem::path folder) : folder_(std::move(folder)) {}

    SavedBackup Keep(const ImageBytes& image, int band, BackupKind kind, std::string_view port,
                     BackupClock::time_point now = BackupClock::now()) const;

  private:
    std::filesystem::path folder_;
};

}  // namespace qv
