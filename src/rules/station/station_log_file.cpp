#include "rules/station/station_log_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "i18n/detail_texts.h"
#include "i18n/station_texts.h"
#include "rules/plans/csv_reader.h"
#include "rules/program/safe_save.h"

namespace qv {
namespace fs = std::filesystem;
namespace {

// The header and a few cut lines fit; the first line of another file is shown up to this.
constexpr std::size_t kFirstLineRead = 4096;
constexpr std::size_t kFirstLineShown = 80;

// A descriptor closed when it goes out of scope.
class File {
  public:
    explicit File(int fd) : fd_(fd) {}
    ~File() {
        if (fd_ >= 0) ::close(fd_);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    int fd() const { return fd_; }
    bool Open() const { return fd_ >= 0; }
    // Closes it, and says what the system said of the data not yet on disk.
    int Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

LogFileFault SystemFault(const fs::path& path, int error) {
    return {LogFileFault::Kind::SystemError, path, error, {}};
}

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        if (written == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// What an open log holds that matters before a line is added: whether it is empty, whether its
// first line is the header, and whether its last byte ends a line.
struct LogState {
    bool empty = true;
    bool endsLine = true;
    std::optional<std::string> otherFirstLine;  // when it is not the log
};

int Inspect(int fd, LogState& state) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return errno;
    if (!S_ISREG(info.st_mode)) return EINVAL;
    state.empty = info.st_size == 0;
    if (state.empty) return 0;
    std::string head(kFirstLineRead, '\0');
    const ssize_t got = ::pread(fd, head.data(), head.size(), 0);
    if (got < 0) return errno;
    head.resize(static_cast<std::size_t>(got));
    CsvReader reader(head, ',');
    CsvRecord first;
    reader.Next(first);
    if (!std::equal(first.fields.begin(), first.fields.end(), kStationLogColumns.begin(),
                    kStationLogColumns.end())) {
        std::string line = head.substr(0, head.find_first_of("\r\n"));
        if (line.size() > kFirstLineShown) line = line.substr(0, kFirstLineShown) + "...";
        state.otherFirstLine = std::move(line);
        return 0;
    }
    char last = '\n';
    if (::pread(fd, &last, 1, info.st_size - 1) != 1) return errno != 0 ? errno : EIO;
    state.endsLine = last == '\n' || last == '\r';
    return 0;
}

// Opens the log for appending, made when missing, into `fd`, and tells what it holds.
std::optional<LogFileFault> OpenLog(const fs::path& path, int& fd, LogState& state) {
    std::error_code ignored;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ignored);
    fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return SystemFault(path, errno);
    if (const int error = Inspect(fd, state); error != 0) return SystemFault(path, error);
    if (state.otherFirstLine) {
        return LogFileFault{LogFileFault::Kind::NotALog, path, 0, *state.otherFirstLine};
    }
    return std::nullopt;
}

// Writes `text` at the end of the open log and waits until it is on disk.
std::optional<LogFileFault> AppendDurably(const fs::path& path, File& file, const std::string& text,
                                          bool created) {
    if (const int error = WriteAll(file.fd(), text); error != 0) return SystemFault(path, error);
    if (::fsync(file.fd()) != 0) return SystemFault(path, errno);
    if (const int error = file.Close(); error != 0) return SystemFault(path, error);
    if (created) SyncFolder(path.parent_path());
    return std::nullopt;
}

}  // namespace

std::string LogFileFault::Describe(Language language) const {
    if (kind == Kind::NotALog) {
        return StationText(StationTextId::LogIsAnotherFile, language, {path.string(), firstLine});
    }
    return StationText(StationTextId::LogUnwritable, language,
                       {path.string(), SystemErrorText(error, language)});
}

std::optional<LogFileFault> PrepareStationLog(const fs::path& path) {
    int fd = -1;
    LogState state;
    const std::optional<LogFileFault> fault = OpenLog(path, fd, state);
    File file(fd);
    if (fault) return fault;
    if (!state.empty) return std::nullopt;
    return AppendDurably(path, file, StationLogHeader(), true);
}

std::optional<LogFileFault> AppendStationLog(const fs::path& path, const StationLogRow& row) {
    int fd = -1;
    LogState state;
    const std::optional<LogFileFault> fault = OpenLog(path, fd, state);
    File file(fd);
    if (fault) return fault;
    std::string text;
    if (state.empty) text = StationLogHeader();
    if (!state.endsLine) text = "\r\n";
    text += StationLogRecord(row);
    return AppendDurably(path, file, text, state.empty);
}

}  // namespace qv
