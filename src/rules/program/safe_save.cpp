#include "rules/program/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <random>
#include <string>
#include <system_error>

namespace qv {
namespace {

namespace fs = std::filesystem;

// The kernel gives up on a chain of more symbolic links than this.
constexpr int kMaxLinkHops = 40;

// How many fresh names to try when one is taken (by chance, or by someone guessing).
constexpr int kNameAttempts = 100;

// A system error that means the user may do something about it; any other is a plain write
// failure.
struct Refusal {
    int error;
    MessageId message;
};

constexpr Refusal kFolderRefusals[] = {
    {ENOENT, MessageId::SaveFolderMissing},     {ENOTDIR, MessageId::SaveFolderMissing},
    {EACCES, MessageId::SaveFolderNotWritable}, {EPERM, MessageId::SaveFolderNotWritable},
    {EROFS, MessageId::SaveFolderNotWritable},
};

constexpr Refusal kFileRefusals[] = {
    {EACCES, MessageId::SaveFileNotWritable},
    {EPERM, MessageId::SaveFileNotWritable},
    {EROFS, MessageId::SaveFileNotWritable},
};

// What stands at a name that is not a regular file.
struct Kind {
    mode_t type;
    FileKind kind;
};

constexpr Kind kKinds[] = {
    {S_IFDIR, FileKind::Directory},       {S_IFIFO, FileKind::NamedPipe},
    {S_IFCHR, FileKind::CharacterDevice}, {S_IFBLK, FileKind::BlockDevice},
    {S_IFSOCK, FileKind::Socket},
};

Status RefuseError(std::span<const Refusal> refusals, const fs::path& path, int error) {
    MessageId message = MessageId::FileUnwritable;
    for (const Refusal& refusal : refusals) {
        if (refusal.error == error) message = refusal.message;
    }
    return Status::Refused(message, Detail::SystemError(path.string(), error));
}

Status RefuseKind(const fs::path& path, mode_t mode) {
    FileKind found = FileKind::Other;
    for (const Kind& kind : kKinds) {
        if ((mode & S_IFMT) == kind.type) found = kind.kind;
    }
    const MessageId message =
        S_ISDIR(mode) ? MessageId::SaveTargetIsFolder : MessageId::SaveTargetNotAFile;
    return Status::Refused(message, Detail::Kind(path.string(), found));
}

// Where a save puts its bytes.
struct SaveTarget {
    fs::path file;                        // the name at the end of any symbolic links
    fs::path folder;                      // its folder, where the new contents are written first
    std::optional<struct stat> existing;  // the file that is there now, if any
};

// A relative link target counts from the link's own folder; the last link of a chain may name a
// file that does not exist yet.
Status FollowLinks(const fs::path& path, fs::path& file) {
    fs::path current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            file = current;
            return Status::Ok();
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(current, error);
        if (error) return RefuseError({}, current, error.value());
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return RefuseError({}, path, ELOOP);
}

// Only looks: the folder must exist before anything at the name is judged, and what is there must
// be a regular file before any permission is.
Status Inspect(const fs::path& path, SaveTarget& target) {
    if (Status followed = FollowLinks(path, target.file); !followed.ok()) return followed;
    target.folder = target.file.parent_path();
    if (target.folder.empty()) target.folder = ".";

    struct stat folder {};
    if (::stat(target.folder.c_str(), &folder) != 0) {
        return RefuseError(kFolderRefusals, target.folder, errno);
    }
    if (!S_ISDIR(folder.st_mode)) return RefuseError(kFolderRefusals, target.folder, ENOTDIR);

    struct stat info {};
    if (::lstat(target.file.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) return RefuseKind(target.file, info.st_mode);
        target.existing = info;
    } else if (errno != ENOENT) {
        return RefuseError(kFileRefusals, target.file, errno);
    }

    // As the process's effective user, the one the kernel checks when the file is written.
    if (::faccessat(AT_FDCWD, target.folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        return RefuseError(kFolderRefusals, target.folder, errno);
    }
    if (target.existing && ::faccessat(AT_FDCWD, target.file.c_str(), W_OK, AT_EACCESS) != 0) {
        return RefuseError(kFileRefusals, target.file, errno);
    }
    return Status::Ok();
}

// Short and fixed in length, so it fits the folder whatever the length of the target's name.
std::string UnguessableName() {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::random_device random;
    std::uint64_t bits = (std::uint64_t{random()} << 32) | random();
    std::string name = ".saving-";
    for (int digit = 0; digit < 16; ++digit, bits >>= 4) name += kDigits[bits & 0xF];
    return name;
}

// Giving the file away needs privilege; failing that, an owner may still set any group of their
// own. False when neither is allowed: the file stays the process's, as any file it creates.
bool KeepOwner(int fd, const struct stat& old) {
    return ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
           ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
}

// The new contents under a name of their own beside the target; removed again unless they took
// the target's name. Each step gives 0 or the system's error.
class TemporaryFile {
  public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!path_.empty()) ::unlink(path_.c_str());
    }

    // Exclusively, so that nothing already there (a planted link, say) is ever opened; 0666 lets
    // the umask give a new file the usual permissions.
    int Create(const fs::path& folder) {
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            const fs::path path = folder / UnguessableName();
            fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0) {
                path_ = path;
                return 0;
            }
            if (errno != EEXIST) return errno;
        }
        return EEXIST;
    }

    int Write(std::span<const std::uint8_t> bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) return errno;
            if (written == 0) return EIO;
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
        return 0;
    }

    // The owner first: changing it clears set-ID bits that the mode then puts back.
    int TakeAttributesOf(const struct stat& old) {
        KeepOwner(fd_, old);
        return ::fchmod(fd_, old.st_mode & 07777) == 0 ? 0 : errno;
    }

    int SyncAndClose() {
        if (::fsync(fd_) != 0) return errno;
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

    int RenameOver(const fs::path& file) {
        if (::rename(path_.c_str(), file.c_str()) != 0) return errno;
        path_.clear();
        return 0;
    }

  private:
    int fd_ = -1;
    fs::path path_;
};

}  // namespace

Status CheckSaveTarget(const fs::path& path) {
    SaveTarget target;
    return Inspect(path, target);
}

// A failure here is not reported: the new contents already have their name, so "unchanged" would
// be untrue.
void SyncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

Status ReplaceFileContents(const fs::path& path, std::span<const std::uint8_t> bytes) {
    SaveTarget target;
    if (Status checked = Inspect(path, target); !checked.ok()) return checked;
    TemporaryFile temporary;
    if (const int error = temporary.Create(target.folder); error != 0) {
        return RefuseError(kFolderRefusals, target.folder, error);
    }
    int error = temporary.Write(bytes);
    if (error == 0 && target.existing) error = temporary.TakeAttributesOf(*target.existing);
    if (error == 0) error = temporary.SyncAndClose();
    if (error == 0) error = temporary.RenameOver(target.file);
    if (error != 0) return RefuseError(kFileRefusals, target.file, error);
    SyncFolder(target.folder);
    return Status::Ok();
}

}  // namespace qv
