// Why the values a station was to give each radio were refused before it started: a pattern that
// is none, a roster file that cannot be read as one, or a value the radio cannot hold, each with
// where it stands (the line of the roster, the counter's number). Data; DescribeValuesProblem
// words it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "i18n/language.h"
#include "rules/dialogs/embedded_info_rules.h"
#include "state/status.h"

namespace qv {

enum class ValuesFault {
    PatternBraceNotClosed,      // `line`'s pattern, at `position`
    PatternUnknownPlaceholder,  // `line`'s pattern, at `position`: `subject`
    PatternLoneClosingBrace,    // `line`'s pattern, at `position`
    RosterUnreadable,           // `status` says why
    RosterWideEncoding,         // `subject` names the encoding
    RosterNoHeader,             // nothing but blank lines
    RosterNoLineColumn,         // the header names neither line1 nor line2
    RosterColumnTwice,          // `subject` names the column
    RosterQuotesOutOfPlace,     // the record on `fileLine`
    RosterNoRadios,             // a header and no row
    LineFromBoth,               // `line` is given by a pattern and by the roster's column
    ValueDoesNotFit,  // `line`'s value for the roster's `fileLine` or the counter's `number`
};

struct ValuesProblem {
    ValuesFault fault = ValuesFault::RosterNoHeader;
    int line = 0;      // the embedded line, 1 or 2
    int fileLine = 0;  // of the roster, from 1 (the header is line 1)
    std::optional<long long> number;
    std::size_t position = 0;  // in the pattern, in characters from 1
    std::string subject;
    std::string value;  // ValueDoesNotFit: the text, as it stands
    EmbeddedLineFault doesNotFit;
    Status status = Status::Ok();
};

// The problem in `language`, one sentence: "roster line 7, line1: 34 characters, a line holds
// 32".
std::string DescribeValuesProblem(const ValuesProblem& problem, Language language);

}  // namespace qv
