// The programming log on disk. A station that cannot record must not program: the log is made
// ready before the first radio (created with its header when missing or empty, and refused when
// it is another file), and each radio's line is complete on disk (written, flushed and synced)
// before the station takes another radio, so that a program killed or a computer that loses its
// power keeps the line of every radio it finished. Lines are appended, never rewritten: another
// program reading the log meanwhile sees whole lines.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "i18n/language.h"
#include "rules/station/station_log.h"

namespace qv {

struct LogFileFault {
    enum class Kind {
        NotALog,      // the file's first line is not the log's header: `firstLine`
        SystemError,  // the system refused a step: `error` (an errno value)
    };
    Kind kind = Kind::SystemError;
    std::filesystem::path path;
    int error = 0;
    std::string firstLine;

    // "the programming log /path cannot be written: No space left on device", in `language`.
    std::string Describe(Language language) const;
};

// Makes the log at `path` ready to take lines: its folder made when missing, the file created
// with the header (on disk, the folder's entry too) when missing or empty, and checked to be the
// log and to take lines when it is there.
std::optional<LogFileFault> PrepareStationLog(const std::filesystem::path& path);

// Appends `row` to the log at `path` and returns once it is on disk. A file that lost its header
// (removed meanwhile) gets it again first; a last line cut short (by a full disk, say) is ended
// first, so that the new line stands whole on a line of its own.
std::optional<LogFileFault> AppendStationLog(const std::filesystem::path& path,
                                             const StationLogRow& row);

}  // namespace qv
