#include "rules/station/recent_station_log.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

namespace qv {
namespace {

// Logs up to this size are read whole (some 25 000 radios); of a larger one the header and the
// last part, which holds the last thousands of radios.
constexpr std::uintmax_t kWholeLogBytes = 8u << 20;
constexpr std::size_t kEndBytes = 1u << 20;
// The header, or the first line of another file, lies within this.
constexpr std::size_t kFirstLineBytes = 4096;
constexpr std::size_t kFirstLineShown = 80;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// `size` bytes from `offset` on, or the errno value of the failure.
int ReadPart(std::FILE* file, std::uintmax_t offset, std::size_t size, std::string& out) {
    out.assign(size, '\0');
    if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) return errno;
    const std::size_t read = std::fread(out.data(), 1, size, file);
    if (read < size && std::ferror(file)) return errno != 0 ? errno : EIO;
    out.resize(read);
    return 0;
}

// The text up to its first line break, without it.
std::string_view FirstLine(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace

RecentStationLog ReadRecentStationLog(const std::filesystem::path& path, std::size_t count) {
    RecentStationLog recent;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error == std::errc::no_such_file_or_directory) return recent;
    if (error) {
        recent.found = RecentStationLog::Found::Unreadable;
        recent.error = error.value();
        return recent;
    }
    if (size == 0) return recent;
    errno = 0;
    const File file(std::fopen(path.string().c_str(), "rb"));
    if (!file) {
        recent.found = RecentStationLog::Found::Unreadable;
        recent.error = errno != 0 ? errno : EIO;
        return recent;
    }
    std::string text;
    recent.endOnly = size > kWholeLogBytes;
    if (!recent.endOnly) {
        recent.error = ReadPart(file.get(), 0, static_cast<std::size_t>(size), text);
    } else {
        // The header, then the records that begin after the first line break of the end.
        std::string head;
        std::string end;
        recent.error = ReadPart(file.get(), 0, kFirstLineBytes, head);
        if (recent.error == 0) {
            recent.error = ReadPart(file.get(), size - kEndBytes, kEndBytes, end);
        }
        const std::size_t cut = end.find('\n');
        text = std::string(FirstLine(head)) + "\r\n" +
               (cut == std::string::npos ? std::string() : end.substr(cut + 1));
    }
    if (recent.error != 0) {
        recent.found = RecentStationLog::Found::Unreadable;
        return recent;
    }
    std::vector<int> leftOut;
    std::optional<std::vector<StationLogRow>> rows = ReadStationLog(text, &leftOut);
    if (!rows) {
        recent.found = RecentStationLog::Found::NotALog;
        recent.firstLine = std::string(FirstLine(text).substr(0, kFirstLineShown));
        return recent;
    }
    recent.found = RecentStationLog::Found::Log;
    // The end of a large log is cut at a line break; a record that held one in quotes would begin
    // before the cut, and its rest is not a damaged line.
    if (recent.endOnly && !leftOut.empty() && leftOut.front() == 2) leftOut.erase(leftOut.begin());
    recent.leftOut = leftOut.size();
    if (!recent.endOnly) recent.leftOutLines = std::move(leftOut);
    const std::size_t first = rows->size() > count ? rows->size() - count : 0;
    recent.rows.assign(std::make_move_iterator(rows->begin() + static_cast<std::ptrdiff_t>(first)),
                       std::make_move_iterator(rows->end()));
    return recent;
}

}  // namespace qv
