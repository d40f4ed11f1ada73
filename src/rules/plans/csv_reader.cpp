#include "rules/plans/csv_reader.h"

#include <algorithm>

namespace qv {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr char kQuote = '"';

bool IsLineBreak(char c) {
    return c == '\n' || c == '\r';
}

}  // namespace

bool HasUtf8ByteOrderMark(std::string_view text) {
    return text.starts_with(kUtf8ByteOrderMark);
}

bool CsvRecord::Blank() const {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return field.empty(); });
}

CsvReader::CsvReader(std::string_view text, char separator)
    : text_(HasUtf8ByteOrderMark(text) ? text.substr(kUtf8ByteOrderMark.size()) : text),
      separator_(separator),
      fieldEnds_{separator, '\r', '\n'} {}

bool CsvReader::SkipLineBreak() {
    if (at_ >= text_.size() || !IsLineBreak(text_[at_])) return false;
    if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ++at_;
    ++at_;
    ++line_;
    return true;
}

bool CsvReader::ReadField(std::string& field, CsvRecord& record, QuotedLines quotedLines) {
    field.clear();
    const std::size_t start = at_;
    if (at_ < text_.size() && text_[at_] == kQuote) {
        ++at_;
        for (;;) {
            if (at_ >= text_.size() ||
                (quotedLines == QuotedLines::Cut && IsLineBreak(text_[at_]))) {
                record.quotesOutOfPlace = true;
                record.quoteNotClosed = true;
                if (quotedLines == QuotedLines::Cut) {
                    // The quote is a plain character: the field is read as an unquoted one.
                    at_ = start;
                    field.clear();
                }
                break;
            }
            const char c = text_[at_];
            if (c == kQuote) {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == kQuote) {
                    field += kQuote;
                    at_ += 2;
                    continue;
                }
                ++at_;
                break;
            }
            if (IsLineBreak(c)) {
                // A line break inside quotes belongs to the field, but still counts as a line.
                const std::size_t before = at_;
                SkipLineBreak();
                field.append(text_.substr(before, at_ - before));
                brokeLineInQuotes_ = true;
                continue;
            }
            field += c;
            ++at_;
        }
        // After the closing quote: the separator, a line break or the end.
        if (at_ != start && at_ < text_.size() && text_[at_] != separator_ &&
            !IsLineBreak(text_[at_])) {
            record.quotesOutOfPlace = true;
        }
    }
    // An unquoted field, or what follows a closing quote that should not be there: up to the
    // separator or the line break.
    const std::size_t end = text_.find_first_of(std::string_view(fieldEnds_, 3), at_);
    const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
    field.append(text_.substr(at_, stop - at_));
    at_ = stop;
    if (at_ < text_.size() && text_[at_] == separator_) {
        ++at_;
        return false;
    }
    SkipLineBreak();
    return true;
}

void CsvReader::ReadRecord(CsvRecord& record, QuotedLines quotedLines) {
    record.line = line_;
    record.quotesOutOfPlace = false;
    record.quoteNotClosed = false;
    brokeLineInQuotes_ = false;
    std::size_t count = 0;
    for (bool last = false; !last; ++count) {
        if (count == record.fields.size()) record.fields.emplace_back();
        last = ReadField(record.fields[count], record, quotedLines);
    }
    record.fields.resize(count);
}

bool CsvReader::Next(CsvRecord& record) {
    if (at_ >= text_.size()) return false;
    const std::size_t start = at_;
    const int line = line_;
    ReadRecord(record, QuotedLines::Kept);
    // Quotes that went wrong across lines took the lines after them into one field: those lines
    // are rows of their own, read again after this one.
    if (brokeLineInQuotes_ && record.quotesOutOfPlace) {
        at_ = start;
        line_ = line;
        ReadRecord(record, QuotedLines::Cut);
        record.quotesOutOfPlace = true;
        record.quoteNotClosed = true;
    }
    return true;
}

}  // namespace qv
