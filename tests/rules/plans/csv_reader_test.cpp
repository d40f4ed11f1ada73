// CSV records as spreadsheets and the radio programming tools write them: quoted fields with
// separators, line breaks and doubled quotes inside, three kinds of line break, a byte order mark.
#include "rules/plans/csv_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "rules/plans/csv_writer.h"

namespace qv {
namespace {

using Fields = std::vector<std::string>;

struct Read {
    int line;
    Fields fields;
    bool quotesOutOfPlace = false;
    bool quoteNotClosed = false;

    friend bool operator==(const Read&, const Read&) = default;
};

std::vector<Read> ReadAll(std::string_view text, char separator = ',') {
    std::vector<Read> records;
    CsvReader reader(text, separator);
    for (CsvRecord record; reader.Next(record);) {
        records.push_back(
            {record.line, record.fields, record.quotesOutOfPlace, record.quoteNotClosed});
    }
    return records;
}

void PrintTo(const Read& read, std::ostream* out) {
    *out << "line " << read.line << (read.quotesOutOfPlace ? " (quotes out of place)" : "")
         << (read.quoteNotClosed ? " (not closed)" : "") << ":";
    for (const std::string& field : read.fields) *out << " [" << field << "]";
}

TEST(CsvReader, ReadsFieldsAndRecordsWhateverTheLineBreaks) {
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"LF", "a,b\n1,2\n"},
        {"CRLF", "a,b\r\n1,2\r\n"},
        {"CR", "a,b\r1,2\r"},
        {"no break at the end", "a,b\n1,2"},
        {"byte order mark",
         "\xEF\xBB\xBF"
         "a,b\r\n1,2\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadAll(c.text), (std::vector<Read>{{1, {"a", "b"}}, {2, {"1", "2"}}})) << c.name;
    }
}

TEST(CsvReader, QuotedFieldsHoldSeparatorsLineBreaksAndDoubledQuotes) {
    const std::string text =
        "Location,Name,Comment\r\n"
        "1,\"Roof, north\",\"He said \"\"go\"\"\"\r\n"
        "2,\"two\r\nlines\",\"\"\r\n"
        "3,\"\"\"\",plain \"inch\" mark\r\n"
        "4,,\r\n";
    EXPECT_EQ(ReadAll(text), (std::vector<Read>{
                                 {1, {"Location", "Name", "Comment"}},
                                 {2, {"1", "Roof, north", "He said \"go\""}},
                                 {3, {"2", "two\r\nlines", ""}},
                                 {5, {"3", "\"", "plain \"inch\" mark"}},  // line 4 was inside
                                 {6, {"4", "", ""}},
                             }));
}

TEST(CsvReader, SemicolonsSeparateWhenAskedAndCommasAreThenText) {
    EXPECT_EQ(ReadAll("Frequency;Offset\n438,650000;\"7;6\"\n", ';'),
              (std::vector<Read>{{1, {"Frequency", "Offset"}}, {2, {"438,650000", "7;6"}}}));
}

TEST(CsvReader, BlankLinesAreRecordsOfOneEmptyField) {
    const std::vector<Read> records = ReadAll("a\n\n,,\nb\n");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1], (Read{2, {""}}));
    EXPECT_EQ(records[2], (Read{3, {"", "", ""}}));
    CsvReader reader("\n,,\nb", ',');
    CsvRecord record;
    for (const bool blank : {true, true, false}) {
        ASSERT_TRUE(reader.Next(record));
        EXPECT_EQ(record.Blank(), blank) << record.line;
    }
    EXPECT_FALSE(reader.Next(record));
}

// Where such a field ends is a guess, so the record says so; the rest of the text still reads.
TEST(CsvReader, QuotesOutOfPlaceAreNoted) {
    EXPECT_EQ(ReadAll("1,\"435\"125,FM\n2,x,FM\n"),
              (std::vector<Read>{{1, {"1", "435125", "FM"}, true}, {2, {"2", "x", "FM"}}}));
}

// A quote never closed, or closed out of place lines later, would take the lines after it into
// its field: its record is its first line, the quote a plain character, and the lines after it
// are records of their own.
TEST(CsvReader, AQuoteNeverClosedEndsItsRecordWithItsLine) {
    const struct {
        const char* name;
        const char* text;
        std::vector<Read> records;
    } cases[] = {
        {"never closed",
         "1,\"never closed,FM\n2,x,FM\n",
         {{1, {"1", "\"never closed", "FM"}, true, true}, {2, {"2", "x", "FM"}}}},
        {"closed out of place later",
         "1,\"open,FM\n2,x,FM\n3,\"y\"z,FM\n",
         {{1, {"1", "\"open", "FM"}, true, true},
          {2, {"2", "x", "FM"}},
          {3, {"3", "yz", "FM"}, true}}},
        {"never closed on the last line",
         "1,x,FM\n2,\"open",
         {{1, {"1", "x", "FM"}}, {2, {"2", "open"}, true, true}}},
        {"closed lines later as it should be",
         "1,\"two\nlines\",FM\n2,x,FM\n",
         {{1, {"1", "two\nlines", "FM"}}, {3, {"2", "x", "FM"}}}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadAll(c.text), c.records) << c.name;
}

TEST(CsvReader, AnEmptyTextHasNoRecord) {
    EXPECT_TRUE(ReadAll("").empty());
    EXPECT_TRUE(ReadAll("\xEF\xBB\xBF").empty());
}

TEST(CsvWriter, QuotesOnlyWhatNeedsItAndReadsBack) {
    const std::vector<std::string_view> fields = {"G2- 01",     "a,b", "say \"hi\"",
                                                  "two\nlines", "",    "x;y"};
    std::string text;
    AppendCsvRecord(text, fields, ',');
    EXPECT_EQ(text, "G2- 01,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",,x;y\r\n");
    EXPECT_EQ(ReadAll(text), (std::vector<Read>{{1, Fields(fields.begin(), fields.end())}}));

    std::string semicolons;
    AppendCsvRecord(semicolons, fields, ';');
    EXPECT_EQ(semicolons, "G2- 01;a,b;\"say \"\"hi\"\"\";\"two\nlines\";;\"x;y\"\r\n");
}

}  // namespace
}  // namespace qv
