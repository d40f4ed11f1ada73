// The embedded lines a station gives each radio it programs: for each of the two lines a pattern
// with a counter (line_pattern.h), a column of a roster (roster.h), or the set-up's own line. The
// values form a sequence: value k holds the counter first + k and the roster's row k. A radio
// takes the next value as it is taken, and uses it up only when it ends written; a radio that
// fails or is skipped gives its value back, and the next radio gets it. Radios on several ports
// hold values at the same time, each its own.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "rules/station/line_pattern.h"
#include "rules/station/roster.h"
#include "rules/station/values_problem.h"
#include "state/program_state.h"

namespace qv {

// A radio's two embedded lines; nothing for a line that stays as the set-up has it.
using RadioLines = std::array<std::optional<std::string>, 2>;

// What the user chose for the lines, as typed: a pattern per line (empty: none), a roster, the
// counter's first number.
struct RadioValuesChoice {
    std::array<std::string, 2> patterns;
    std::optional<Roster> roster;
    long long first = 1;
};

class RadioValues {
  public:
    // Every radio keeps the set-up's own lines.
    RadioValues() = default;

    // Checks `choice` whole before a radio is programmed: each pattern, that no line comes from
    // both a pattern and the roster, and that the values of the first radio and, when `count`
    // radios are to be programmed, of the last one fit the radio (the roster's rows were checked
    // as it was read). Nothing, with every problem in `problems`, when it is refused.
    static std::optional<RadioValues> Make(const RadioValuesChoice& choice,
                                           std::optional<int> count,
                                           std::vector<ValuesProblem>& problems);

    // True when the lines differ from radio to radio.
    bool Vary() const;
    // Value `index`; nothing when there is none: past the roster's last row, or a counter whose
    // text no longer fits the line.
    std::optional<RadioLines> At(std::size_t index) const;
    // Why there is no value `index`: the counter's text that does not fit; nothing when the roster
    // has no more rows.
    std::optional<ValuesProblem> MissingBecause(std::size_t index) const;
    // The counter's number of value `index`.
    long long Number(std::size_t index) const { return first_ + static_cast<long long>(index); }
    // How many rows the roster has; nothing without a roster.
    std::optional<std::size_t> RosterRows() const;

  private:
    std::optional<std::string> LineAt(std::size_t line, std::size_t index,
                                      std::optional<ValuesProblem>* problem) const;

    std::array<std::optional<LinePattern>, 2> patterns_;
    std::optional<Roster> roster_;
    long long first_ = 1;
};

// Hands the values out to radios and takes them back.
class ValuesCursor {
  public:
    explicit ValuesCursor(RadioValues values = {}) : values_(std::move(values)) {}

    struct Taken {
        std::size_t index = 0;
        RadioLines lines;
    };
    // The values for the next radio: the first of those given back, else the next never handed
    // out. Nothing when none is free now: all are used up, or the rest are held by radios still
    // being programmed, which may give theirs back.
    std::optional<Taken> Take();
    // The radio holding value `index` ended written: the value is used up.
    void Written(std::size_t index);
    // The radio holding value `index` ended without being written: the next radio gets it.
    void GiveBack(std::size_t index);
    // No radio can get a value any more: none is free and none is held.
    bool UsedUp() const;
    // The value after the last one handed out, used up or not: the first that does not exist
    // once UsedUp.
    std::size_t End() const { return next_; }
    // How many values were used up.
    std::size_t WrittenCount() const { return written_; }
    const RadioValues& Values() const { return values_; }

  private:
    RadioValues values_;
    std::size_t next_ = 0;
    std::size_t written_ = 0;
    std::set<std::size_t> givenBack_;
    std::set<std::size_t> held_;
};

// Puts `lines` into the set-up, over its own embedded lines where a line is given; the
// embedded-information dialog's boxes show them as the decoder would.
void ApplyRadioLines(Setup& setup, const RadioLines& lines);

}  // namespace qv
