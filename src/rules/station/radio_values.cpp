#include "rules/station/radio_values.h"

#include <utility>

#include "image/held_controls.h"

namespace qv {
namespace {

constexpr ValuesFault PatternFault(PatternProblem::Kind kind) {
    switch (kind) {
        case PatternProblem::Kind::BraceNotClosed:
            return ValuesFault::PatternBraceNotClosed;
        case PatternProblem::Kind::UnknownPlaceholder:
            return ValuesFault::PatternUnknownPlaceholder;
        case PatternProblem::Kind::LoneClosingBrace:
            return ValuesFault::PatternLoneClosingBrace;
    }
    return ValuesFault::PatternUnknownPlaceholder;
}

}  // namespace

std::optional<RadioValues> RadioValues::Make(const RadioValuesChoice& choice,
                                             std::optional<int> count,
                                             std::vector<ValuesProblem>& problems) {
    RadioValues values;
    values.first_ = choice.first;
    values.roster_ = choice.roster;
    const std::size_t problemsBefore = problems.size();
    for (std::size_t line = 0; line < choice.patterns.size(); ++line) {
        const std::string& text = choice.patterns[line];
        if (text.empty()) continue;
        if (choice.roster && choice.roster->hasColumn[line]) {
            ValuesProblem problem;
            problem.fault = ValuesFault::LineFromBoth;
            problem.line = static_cast<int>(line) + 1;
            problems.push_back(std::move(problem));
            continue;
        }
        PatternProblem syntax;
        values.patterns_[line] = LinePattern::Parse(text, &syntax);
        if (values.patterns_[line]) continue;
        ValuesProblem problem;
        problem.fault = PatternFault(syntax.kind);
        problem.line = static_cast<int>(line) + 1;
        problem.position = syntax.position;
        problem.subject = syntax.placeholder;
        problem.value = text;
        problems.push_back(std::move(problem));
    }
    if (problems.size() > problemsBefore) return std::nullopt;
    // A counter's text only grows with the number: the first and the last radio's texts fitting,
    // every one between fits.
    std::vector<std::size_t> checked = {0};
    if (count && *count > 1) checked.push_back(static_cast<std::size_t>(*count) - 1);
    for (const std::size_t index : checked) {
        for (std::size_t line = 0; line < values.patterns_.size(); ++line) {
            std::optional<ValuesProblem> problem;
            if (!values.LineAt(line, index, &problem) && problem) {
                problems.push_back(std::move(*problem));
            }
        }
    }
    if (problems.size() > problemsBefore) return std::nullopt;
    return values;
}

bool RadioValues::Vary() const {
    for (const auto& pattern : patterns_) {
        if (pattern) return true;
    }
    return roster_.has_value();
}

std::optional<std::string> RadioValues::LineAt(std::size_t line, std::size_t index,
                                               std::optional<ValuesProblem>* problem) const {
    if (patterns_[line]) {
        std::string text = patterns_[line]->Text(Number(index));
        std::optional<EmbeddedLineFault> fault = CheckEmbeddedLine(text);
        if (!fault) return text;
        if (problem != nullptr) {
            ValuesProblem missing;
            missing.fault = ValuesFault::ValueDoesNotFit;
            missing.line = static_cast<int>(line) + 1;
            missing.number = Number(index);
            missing.value = std::move(text);
            missing.doesNotFit = std::move(*fault);
            *problem = std::move(missing);
        }
        return std::nullopt;
    }
    if (roster_ && roster_->hasColumn[line] && index < roster_->rows.size()) {
        return roster_->rows[index].lines[line];
    }
    return std::nullopt;
}

std::optional<RadioLines> RadioValues::At(std::size_t index) const {
    if (roster_ && index >= roster_->rows.size()) return std::nullopt;
    RadioLines lines;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const bool given = patterns_[line] || (roster_ && roster_->hasColumn[line]);
        if (!given) continue;
        lines[line] = LineAt(line, index, nullptr);
        if (!lines[line]) return std::nullopt;
    }
    return lines;
}

std::optional<ValuesProblem> RadioValues::MissingBecause(std::size_t index) const {
    if (roster_ && index >= roster_->rows.size()) return std::nullopt;
    for (std::size_t line = 0; line < patterns_.size(); ++line) {
        std::optional<ValuesProblem> problem;
        if (patterns_[line] && !LineAt(line, index, &problem)) return problem;
    }
    return std::nullopt;
}

std::optional<std::size_t> RadioValues::RosterRows() const {
    if (!roster_) return std::nullopt;
    return roster_->rows.size();
}

std::optional<ValuesCursor::Taken> ValuesCursor::Take() {
    std::size_t index = next_;
    if (!givenBack_.empty()) {
        index = *givenBack_.begin();
    } else if (!values_.At(next_)) {
        return std::nullopt;
    }
    std::optional<RadioLines> lines = values_.At(index);
    if (!lines) return std::nullopt;
    if (index == next_) {
        ++next_;
    } else {
        givenBack_.erase(index);
    }
    held_.insert(index);
    return Taken{index, std::move(*lines)};
}

void ValuesCursor::Written(std::size_t index) {
    if (held_.erase(index) > 0) ++written_;
}

void ValuesCursor::GiveBack(std::size_t index) {
    if (held_.erase(index) > 0) givenBack_.insert(index);
}

bool ValuesCursor::UsedUp() const {
    return held_.empty() && givenBack_.empty() && !values_.At(next_);
}

void ApplyRadioLines(Setup& setup, const RadioLines& lines) {
    for (std::size_t line = 0; line < lines.size(); ++line) {
        if (lines[line]) setup.EmbeddedInfo[line] = *lines[line];
    }
    ShowEmbeddedInfo(setup);
}

}  // namespace qv
