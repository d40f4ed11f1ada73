// The last radios of a programming log read back for a window: a damaged line, a file that is no
// log, one that cannot be read, and a log too large to read whole.
#include "rules/station/recent_station_log.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

namespace qv {
namespace {

namespace fs = std::filesystem;

StationLogRow Row(int radio) {
    StationLogRow row;
    row.time = "2024-05-01T16:03:22+02:00";
    row.port = "COM1";
    row.device = "/dev/ttyUSB0";
    row.radio = radio;
    row.band = "400-470MHz";
    row.setup = "fleet.DAT";
    row.line1 = "UNIT " + std::to_string(radio);
    row.result = StationResult::Written;
    row.verify = StationVerify::Verified;
    row.seconds = 6.5;
    return row;
}

class RecentLog : public ::testing::Test {
  protected:
    fs::path folder;
    fs::path log;

    void SetUp() override {
        char pattern[] = "/tmp/qv-recent-log-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        log = folder / "station-log.csv";
    }
    void TearDown() override { fs::remove_all(folder); }

    void Write(const std::string& text) { std::ofstream(log, std::ios::binary) << text; }
};

TEST_F(RecentLog, NoFileOrAnEmptyOneHoldsNoRadioYet) {
    EXPECT_EQ(ReadRecentStationLog(log, 20).found, RecentStationLog::Found::Nothing);
    Write("");
    EXPECT_EQ(ReadRecentStationLog(log, 20).found, RecentStationLog::Found::Nothing);
    Write(StationLogHeader());
    const RecentStationLog header = ReadRecentStationLog(log, 20);
    EXPECT_EQ(header.found, RecentStationLog::Found::Log);
    EXPECT_TRUE(header.rows.empty());
}

// The last rows, with the lines of what is no row named: one cut short by a crash, one of another
// file; a blank line is none.
TEST_F(RecentLog, TheLastRowsAndTheLinesThatCouldNotBeRead) {
    std::string text = StationLogHeader();
    for (int radio = 1; radio <= 25; ++radio) {
        if (radio == 4) text += StationLogRecord(Row(radio)).substr(0, 50) + "\r\n";  // line 5
        if (radio == 8) text += "\r\nLocation,Name\r\n";                              // 10, 11
        text += StationLogRecord(Row(radio));
    }
    Write(text);
    const RecentStationLog recent = ReadRecentStationLog(log, 20);
    ASSERT_EQ(recent.found, RecentStationLog::Found::Log);
    ASSERT_EQ(recent.rows.size(), 20u);
    EXPECT_EQ(recent.rows.front(), Row(6));
    EXPECT_EQ(recent.rows.back(), Row(25));
    EXPECT_EQ(recent.leftOutLines, (std::vector<int>{5, 11}));
    EXPECT_EQ(recent.leftOut, 2u);
    EXPECT_FALSE(recent.endOnly);
}

TEST_F(RecentLog, AnotherFileIsNamedByItsFirstLineAndAFolderCannotBeRead) {
    Write("Location,Name,Frequency\r\n1,A,435.000\r\n");
    RecentStationLog recent = ReadRecentStationLog(log, 20);
    EXPECT_EQ(recent.found, RecentStationLog::Found::NotALog);
    EXPECT_EQ(recent.firstLine, "Location,Name,Frequency");
    EXPECT_TRUE(recent.rows.empty());

    Write(std::string(100, '\x01') + "\n");
    recent = ReadRecentStationLog(log, 20);
    EXPECT_EQ(recent.found, RecentStationLog::Found::NotALog);
    EXPECT_EQ(recent.firstLine.size(), 80u) << "as much as a sentence can show";

    fs::remove(log);
    fs::create_directory(log);
    recent = ReadRecentStationLog(log, 20);
    EXPECT_EQ(recent.found, RecentStationLog::Found::Unreadable);
    EXPECT_NE(recent.error, 0);
}

// Years of radios: the header and the end are read, the last rows are all there, and a damaged
// line near the end is counted without a line number, which is not known.
TEST_F(RecentLog, ALargeLogIsReadFromItsHeaderAndItsEnd) {
    std::string text = StationLogHeader();
    int radio = 0;
    while (text.size() < (9u << 20)) text += StationLogRecord(Row(++radio));
    text += StationLogRecord(Row(++radio)).substr(0, 30) + "\r\n";
    for (int more = 0; more < 3; ++more) text += StationLogRecord(Row(++radio));
    Write(text);
    const RecentStationLog recent = ReadRecentStationLog(log, 20);
    ASSERT_EQ(recent.found, RecentStationLog::Found::Log);
    EXPECT_TRUE(recent.endOnly);
    ASSERT_EQ(recent.rows.size(), 20u);
    EXPECT_EQ(recent.rows.back(), Row(radio));
    EXPECT_EQ(recent.rows.front().radio, radio - 20);
    EXPECT_EQ(recent.leftOut, 1u);
    EXPECT_TRUE(recent.leftOutLines.empty());
}

}  // namespace
}  // namespace qv
