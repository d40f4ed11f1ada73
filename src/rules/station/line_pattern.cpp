#include "rules/station/line_pattern.h"

#include <charconv>

#include "image/text.h"
#include "state/program_state.h"

namespace qv {
namespace {

constexpr std::string_view kNumber = "n";
constexpr std::string_view kPaddedNumber = "n:0";

// The width of "n" (0) or "n:0W" (W from 1 to the line's length); nothing for anything else.
std::optional<int> PlaceholderWidth(std::string_view inside) {
    if (inside == kNumber) return 0;
    if (!inside.starts_with(kPaddedNumber)) return std::nullopt;
    const std::string_view digits = inside.substr(kPaddedNumber.size());
    int width = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, width);
    if (digits.empty() || error != std::errc() || stop != end || width < 1 ||
        width > kEmbeddedInfoChars) {
        return std::nullopt;
    }
    return width;
}

}  // namespace

std::optional<LinePattern> LinePattern::Parse(std::string_view text, PatternProblem* problem) {
    const auto refuse = [&](PatternProblem::Kind kind, std::size_t at,
                            std::string placeholder = {}) -> std::optional<LinePattern> {
        if (problem != nullptr) {
            *problem = {kind, CharCount(text.substr(0, at)) + 1, std::move(placeholder)};
        }
        return std::nullopt;
    };
    LinePattern pattern;
    std::string literal;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        const bool doubled = at + 1 < text.size() && text[at + 1] == c;
        if ((c == '{' || c == '}') && doubled) {
            literal += c;
            at += 2;
            continue;
        }
        if (c == '}') return refuse(PatternProblem::Kind::LoneClosingBrace, at);
        if (c != '{') {
            literal += c;
            ++at;
            continue;
        }
        const std::size_t close = text.find('}', at);
        if (close == std::string_view::npos) {
            return refuse(PatternProblem::Kind::BraceNotClosed, at);
        }
        const std::optional<int> width = PlaceholderWidth(text.substr(at + 1, close - at - 1));
        if (!width) {
            return refuse(PatternProblem::Kind::UnknownPlaceholder, at,
                          std::string(text.substr(at, close - at + 1)));
        }
        if (!literal.empty()) pattern.pieces_.push_back({std::move(literal), std::nullopt});
        literal.clear();
        pattern.pieces_.push_back({{}, width});
        at = close + 1;
    }
    if (!literal.empty()) pattern.pieces_.push_back({std::move(literal), std::nullopt});
    return pattern;
}

std::string LinePattern::Text(long long number) const {
    std::string text;
    for (const Piece& piece : pieces_) {
        if (!piece.width) {
            text += piece.text;
            continue;
        }
        const std::string digits = std::to_string(number);
        if (static_cast<int>(digits.size()) < *piece.width) {
            text.append(static_cast<std::size_t>(*piece.width) - digits.size(), '0');
        }
        text += digits;
    }
    return text;
}

bool LinePattern::Numbered() const {
    for (const Piece& piece : pieces_) {
        if (piece.width) return true;
    }
    return false;
}

}  // namespace qv
