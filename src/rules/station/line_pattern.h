// A line of embedded information that differs from radio to radio: a text with a counter, as a
// station gives each radio its unit number. "{n}" stands for the radio's number and "{n:03}" for
// it zero-padded to three digits (any width from 1 to 32); "{{" and "}}" stand for the braces
// themselves. Anything else in braces is refused, so that a mistyped counter is not written into
// every radio as it stands.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct PatternProblem {
    enum class Kind {
        BraceNotClosed,      // a "{" with no "}" after it
        UnknownPlaceholder,  // braces around anything but n or n:0W
        LoneClosingBrace,    // a "}" that closes nothing and is not doubled
    };
    Kind kind = Kind::BraceNotClosed;
    std::size_t position = 0;  // of the brace, counted in characters from 1
    std::string placeholder;   // UnknownPlaceholder: as written, braces included

    friend bool operator==(const PatternProblem&, const PatternProblem&) = default;
};

class LinePattern {
  public:
    // The pattern `text` stands for; nothing, with the first problem in `problem`, when it is not
    // one.
    static std::optional<LinePattern> Parse(std::string_view text, PatternProblem* problem);

    // The text for the radio numbered `number` (0 or more).
    std::string Text(long long number) const;
    // True when the text holds the number, so that it differs from radio to radio.
    bool Numbered() const;

  private:
    // A stretch of text, or the number padded with zeros to `width` digits (0: as it is).
    struct Piece {
        std::string text;
        std::optional<int> width;
    };
    std::vector<Piece> pieces_;
};

}  // namespace qv
