#include "rules/station/roster.h"

#include <algorithm>
#include <cctype>

#include "image/text.h"
#include "rules/plans/csv_reader.h"
#include "rules/plans/plan_file.h"
#include "rules/plans/wide_encoding.h"

namespace qv {
namespace {

constexpr char kSeparators[] = {',', ';'};

bool SameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::size_t> ColumnNamed(std::string_view name) {
    const std::string_view trimmed = TrimBlanks(name);
    for (std::size_t k = 0; k < kRosterColumns.size(); ++k) {
        if (SameWord(trimmed, kRosterColumns[k])) return k;
    }
    return std::nullopt;
}

// The first record that is not blank; false when there is none.
bool FirstRecord(CsvReader& reader, CsvRecord& record) {
    while (reader.Next(record)) {
        if (!record.Blank()) return true;
    }
    return false;
}

// The separator under which the header names more of the roster's columns; "," on a tie.
char RosterSeparator(std::string_view csv) {
    char best = kSeparators[0];
    long bestNamed = -1;
    for (const char separator : kSeparators) {
        CsvReader reader(csv, separator);
        CsvRecord header;
        FirstRecord(reader, header);
        const long named = std::count_if(header.fields.begin(), header.fields.end(),
                                         [](const std::string& f) { return ColumnNamed(f); });
        if (named > bestNamed) {
            best = separator;
            bestNamed = named;
        }
    }
    return best;
}

ValuesProblem Problem(ValuesFault fault) {
    ValuesProblem problem;
    problem.fault = fault;
    return problem;
}

}  // namespace

RosterRead ReadRoster(std::string_view csv) {
    RosterRead read;
    if (const std::optional<WideEncoding> wide = DetectWideEncoding(csv)) {
        ValuesProblem problem = Problem(ValuesFault::RosterWideEncoding);
        problem.subject = EncodingName(*wide);
        read.problems.push_back(std::move(problem));
        return read;
    }
    CsvReader reader(csv, RosterSeparator(csv));
    CsvRecord header;
    if (!FirstRecord(reader, header)) {
        read.problems.push_back(Problem(ValuesFault::RosterNoHeader));
        return read;
    }
    Roster roster;
    std::array<std::optional<std::size_t>, 2> positions;
    for (std::size_t field = 0; field < header.fields.size(); ++field) {
        const std::optional<std::size_t> column = ColumnNamed(header.fields[field]);
        if (!column) continue;
        if (positions[*column]) {
            ValuesProblem problem = Problem(ValuesFault::RosterColumnTwice);
            problem.subject = kRosterColumns[*column];
            read.problems.push_back(std::move(problem));
            return read;
        }
        positions[*column] = field;
        roster.hasColumn[*column] = true;
    }
    if (!positions[0] && !positions[1]) {
        read.problems.push_back(Problem(ValuesFault::RosterNoLineColumn));
        return read;
    }
    for (CsvRecord record; reader.Next(record);) {
        if (record.Blank()) continue;
        if (record.quotesOutOfPlace) {
            ValuesProblem problem = Problem(ValuesFault::RosterQuotesOutOfPlace);
            problem.fileLine = record.line;
            read.problems.push_back(std::move(problem));
            continue;
        }
        RosterRow row;
        row.fileLine = record.line;
        for (std::size_t k = 0; k < positions.size(); ++k) {
            if (!positions[k]) continue;
            const std::size_t field = *positions[k];
            std::string value = field < record.fields.size() ? record.fields[field] : "";
            if (std::optional<EmbeddedLineFault> fault = CheckEmbeddedLine(value)) {
                ValuesProblem problem = Problem(ValuesFault::ValueDoesNotFit);
                problem.line = static_cast<int>(k) + 1;
                problem.fileLine = record.line;
                problem.value = value;
                problem.doesNotFit = std::move(*fault);
                read.problems.push_back(std::move(problem));
            }
            row.lines[k] = std::move(value);
        }
        roster.rows.push_back(std::move(row));
    }
    if (read.problems.empty() && roster.rows.empty()) {
        read.problems.push_back(Problem(ValuesFault::RosterNoRadios));
    }
    if (read.problems.empty()) read.roster = std::move(roster);
    return read;
}

RosterRead ReadRosterFile(const std::filesystem::path& path) {
    std::string text;
    if (Status status = ReadPlanFile(path, text); !status.ok()) {
        RosterRead read;
        ValuesProblem problem = Problem(ValuesFault::RosterUnreadable);
        problem.subject = path.string();
        problem.status = std::move(status);
        read.problems.push_back(std::move(problem));
        return read;
    }
    return ReadRoster(text);
}

}  // namespace qv
