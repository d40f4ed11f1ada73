// A roster: a CSV file with a header row and a row per radio, in the order the radios are
// programmed, whose columns line1 and line2 (either or both; found by name in any case, other
// columns ignored) give each radio its embedded lines. It is read as channel plans are: "," or
// ";" between the fields, UTF-8 with or without its byte order mark (a file in UTF-16 or UTF-32
// is refused by the name of its encoding), quotes as RFC 4180 has them; blank lines hold no radio.
// A cell is taken as it stands, and a row shorter than the header has empty lines for its missing
// cells. The whole file is checked before a radio is programmed, and every row that the radio
// could not hold is named with its line.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/station/values_problem.h"

namespace qv {

inline constexpr std::array<std::string_view, 2> kRosterColumns = {"line1", "line2"};

struct RosterRow {
    int fileLine = 0;  // the line of the file the row starts on, from 1
    // A value for each column the roster has; nothing for the column it lacks.
    std::array<std::optional<std::string>, 2> lines;
};

struct Roster {
    std::array<bool, 2> hasColumn{};  // line1, line2
    std::vector<RosterRow> rows;
};

struct RosterRead {
    std::optional<Roster> roster;         // nothing when refused
    std::vector<ValuesProblem> problems;  // every reason, in the order of the file
};

// Reads and checks the roster `csv` (the file's bytes).
RosterRead ReadRoster(std::string_view csv);

// The same from the file at `path`.
RosterRead ReadRosterFile(const std::filesystem::path& path);

}  // namespace qv
