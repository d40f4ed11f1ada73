#include "rules/station/values_problem.h"

#include <cstdio>

#include "i18n/station_texts.h"
#include "image/text.h"
#include "state/program_state.h"

namespace qv {
namespace {

// A value shown in a message is cut at this many characters.
constexpr std::size_t kValueShown = 48;

// `text` fit to stand in a one-line message: a control character as \xNN, so that a line break
// from a cell does not break the message.
std::string OnOneLine(std::string_view text) {
    std::string shown;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const bool c1 = byte == 0xC2 && at + 1 < text.size() &&
                        static_cast<unsigned char>(text[at + 1]) <= 0x9F;
        if (byte >= 0x20 && byte != 0x7F && !c1) {
            shown += text[at];
            continue;
        }
        const unsigned code = c1 ? static_cast<unsigned char>(text[++at]) : byte;
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", code);
        shown += escaped;
    }
    return shown;
}

std::string ValueText(const ValuesProblem& problem, Language language) {
    const std::string shown = OnOneLine(ShownText(problem.value, kValueShown));
    const std::string where =
        problem.number
            ? StationText(StationTextId::WhereCounterValue, language,
                          {std::to_string(problem.line), std::to_string(*problem.number)})
            : StationText(StationTextId::WhereRosterCell, language,
                          {std::to_string(problem.fileLine), std::to_string(problem.line)});
    const std::string what =
        problem.doesNotFit.refused.empty()
            ? StationText(StationTextId::ValueTooLong, language,
                          {shown, std::to_string(problem.doesNotFit.characters),
                           std::to_string(kEmbeddedInfoChars)})
            : StationText(StationTextId::ValueUnstorable, language,
                          {shown, OnOneLine(problem.doesNotFit.refused)});
    return StationText(StationTextId::WhereAndWhat, language, {where, what});
}

}  // namespace

std::string DescribeValuesProblem(const ValuesProblem& problem, Language language) {
    const std::string line = std::to_string(problem.line);
    const std::string position = std::to_string(problem.position);
    switch (problem.fault) {
        case ValuesFault::PatternBraceNotClosed:
            return StationText(StationTextId::PatternBraceNotClosed, language, {line, position});
        case ValuesFault::PatternUnknownPlaceholder:
            return StationText(StationTextId::PatternUnknownPlaceholder, language,
                               {line, position, OnOneLine(problem.subject)});
        case ValuesFault::PatternLoneClosingBrace:
            return StationText(StationTextId::PatternLoneClosingBrace, language, {line, position});
        case ValuesFault::RosterUnreadable:
            return StationText(StationTextId::RosterUnreadable, language,
                               {problem.subject, problem.status.Describe(language)});
        case ValuesFault::RosterWideEncoding:
            return StationText(StationTextId::RosterWideEncoding, language, {problem.subject});
        case ValuesFault::RosterNoHeader:
            return StationText(StationTextId::RosterNoHeader, language);
        case ValuesFault::RosterNoLineColumn:
            return StationText(StationTextId::RosterNoLineColumn, language);
        case ValuesFault::RosterColumnTwice:
            return StationText(StationTextId::RosterColumnTwice, language, {problem.subject});
        case ValuesFault::RosterQuotesOutOfPlace:
            return StationText(StationTextId::RosterQuotesOutOfPlace, language,
                               {std::to_string(problem.fileLine)});
        case ValuesFault::RosterNoRadios:
            return StationText(StationTextId::RosterNoRadios, language);
        case ValuesFault::LineFromBoth:
            return StationText(StationTextId::LineFromBoth, language, {line});
        case ValuesFault::ValueDoesNotFit:
            return ValueText(problem, language);
    }
    return {};
}

}  // namespace qv
