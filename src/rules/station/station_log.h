// The programming log of a station: a CSV file with a line for every radio it handled, appended
// as each radio ends, with exactly these columns: time (ISO 8601 with the offset from UTC), port,
// device, radio (its running number in the station's run), band (as the band list shows it),
// setup (the set-up's file name), setup_sha256 (of the bytes written), line1, line2, result
// (written, failed, skipped), verify (verified, differs, not checked), backup (the file name, or
// empty), seconds and detail (why it failed, in English).
#pragma once

#include <array>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/memory_image.h"

namespace qv {

inline constexpr std::array<std::string_view, 14> kStationLogColumns = {
    "time",  "port",  "device", "radio",  "band",   "setup",   "setup_sha256",
    "line1", "line2", "result", "verify", "backup", "seconds", "detail",
};

// The log's file name; by default it lies in the user's data folder, beside the backups folder.
inline constexpr std::string_view kStationLogFileName = "station-log.csv";

enum class StationResult {
    Written,  // written and, when verify was asked, verified
    Failed,   // anything that went wrong, a read-back that found differences included
    Skipped,  // not written: a radio of another band
};

enum class StationVerify { Verified, Differs, NotChecked };

struct StationLogRow {
    std::string time;  // IsoTime
    std::string port;
    std::string device;
    int radio = 0;
    std::string band;
    std::string setup;
    std::string setupSha256;
    std::string line1;
    std::string line2;
    StationResult result = StationResult::Failed;
    StationVerify verify = StationVerify::NotChecked;
    std::string backup;
    double seconds = 0;
    std::string detail;

    friend bool operator==(const StationLogRow&, const StationLogRow&) = default;
};

// "written", "failed", "skipped"; "verified", "differs", "not checked": as the log writes them.
std::string_view StationResultWord(StationResult result);
std::string_view StationVerifyWord(StationVerify verify);

// The log's first record: the column names, ended by CRLF.
std::string StationLogHeader();
// `row` as one record of the log, ended by CRLF; a cell that holds a comma, a quote or a line
// break in double quotes. Seconds with two decimals, a point whatever the locale.
std::string StationLogRecord(const StationLogRow& row);

// The rows of a log's text, oldest first; a record that is not a complete row of the log (a
// line cut short by a crash, one of another file) is left out, and the line it starts on is added
// to `leftOut` when given (blank lines are no record). Nothing when the first record is not the
// log's header.
std::optional<std::vector<StationLogRow>> ReadStationLog(std::string_view text,
                                                         std::vector<int>* leftOut = nullptr);

// "2024-05-01T14:03:22+02:00": `when` in the time zone `offset` east of UTC.
std::string IsoTime(std::chrono::system_clock::time_point when, std::chrono::seconds offset);
// `when` in the local time zone of this computer, with its offset then.
std::string LocalIsoTime(std::chrono::system_clock::time_point when);

// The log beside `backupFolder` (the user's data folder's backups folder).
std::filesystem::path StationLogBeside(const std::filesystem::path& backupFolder);

// The SHA-256 of the bytes a write of `image` sends, in the order of the address: every byte of
// the image but those the radio keeps to itself (the calibration block included unless
// `calibrationWritten`). Two radios that hold the same digest over those bytes hold what was
// written; what they keep of their own does not count.
std::string WrittenBytesSha256(const ImageBytes& image, bool calibrationWritten);

}  // namespace qv
