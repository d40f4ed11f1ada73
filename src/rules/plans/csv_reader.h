// Records of a CSV text, as RFC 4180 has them: fields divided by one separator character, records
// by line breaks (CRLF, LF, or CR alone as old Macintosh files have them), and a field in double
// quotes may hold the separator, line breaks and doubled double quotes, each pair standing for
// one. A UTF-8 byte order mark before the first record is dropped. A quote that is never closed
// costs its own record only: the lines after it are read again as records of their own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct CsvRecord {
    int line = 0;  // the line of the text the record starts on, from 1
    std::vector<std::string> fields;
    // A closing quote followed by something other than the separator or a line break, or a quote
    // never closed: where the field ends is a guess, so its values cannot be trusted. A quote
    // inside a field that does not start with one is kept as it stands.
    bool quotesOutOfPlace = false;
    // Among those: a quote never closed, or closed only on a later line out of place, so that it
    // would have swallowed the lines after it. The record is then its first line only, read with
    // that quote as a plain character, and the next record starts on the line after it.
    bool quoteNotClosed = false;

    // True when every field is empty: a blank line, or one of separators only.
    bool Blank() const;
};

class CsvReader {
  public:
    CsvReader(std::string_view text, char separator);

    // Reads the next record into `record`; false, and `record` untouched, at the end of the text.
    bool Next(CsvRecord& record);

  private:
    // How a record is read: quoted fields may hold line breaks, or (once that went wrong) the
    // record ends at the end of its line, whatever its quotes say.
    enum class QuotedLines { Kept, Cut };
    // Reads the record from at_ on.
    void ReadRecord(CsvRecord& record, QuotedLines quotedLines);
    // Reads one field from at_ on; true when a line break or the end of the text ends the record.
    bool ReadField(std::string& field, CsvRecord& record, QuotedLines quotedLines);
    // Steps over the line break at at_, if there is one; true when there was.
    bool SkipLineBreak();

    std::string_view text_;
    char separator_;
    char fieldEnds_[3];  // the separator and the two line-break characters
    std::size_t at_ = 0;
    int line_ = 1;
    bool brokeLineInQuotes_ = false;  // the record read last holds a line break in quotes
};

// Whether `text` begins with the byte order mark of UTF-8.
bool HasUtf8ByteOrderMark(std::string_view text);

}  // namespace qv
