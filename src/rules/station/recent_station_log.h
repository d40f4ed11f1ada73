// The last radios of a programming log, as a window shows them when it opens: the log's file read
// without trusting it. A log another program damaged, a line cut short by a crash, or a file that
// is no log at all never stops the reading: what can be read is given, with what could not.
// A log grows by a line per radio for as long as a station is used; a large one is read from its
// header and its end only, so that opening the window costs the same after years of radios.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "rules/station/station_log.h"

namespace qv {

struct RecentStationLog {
    enum class Found {
        Nothing,     // no file, or an empty one: no radio was logged there yet
        Log,         // the log: `rows`, `leftOut`
        NotALog,     // its first line is not the log's header: `firstLine`
        Unreadable,  // the system refused to read it: `error` (an errno value)
    };
    Found found = Found::Nothing;
    std::vector<StationLogRow> rows;  // the last rows, oldest first
    // The lines (from 1) of the records read that are no row of the log, oldest first; their
    // number alone when only the end of a large log was read (`endOnly`), whose lines are not
    // counted.
    std::vector<int> leftOutLines;
    std::size_t leftOut = 0;
    bool endOnly = false;
    std::string firstLine;
    int error = 0;
};

// The last `count` rows of the log at `path`.
RecentStationLog ReadRecentStationLog(const std::filesystem::path& path, std::size_t count);

}  // namespace qv
