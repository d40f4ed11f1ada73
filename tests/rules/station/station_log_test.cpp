// The programming log: its exact columns and quoting, the time with its offset, the digest of the
// bytes written, and the file that takes a line per radio.
#include "rules/station/station_log.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "image/image_codec.h"
#include "image/written_bytes.h"
#include "rules/program/startup.h"
#include "rules/station/sha256.h"
#include "rules/station/station_log_file.h"
#include "support/quiet_host.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(Sha256, KnownDigests) {
    const std::string million(1'000'000, 'a');
    const struct {
        std::string_view message;
        const char* digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        // 56 bytes: the length no longer fits the last block.
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrl"
         "m"
         "nopqrsmnopqrstnopqrstu",
         "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
        {million, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Sha256Hex(Bytes(c.message)), c.digest) << c.message.size() << " bytes";
    }
}

// The digest covers what a write sends and nothing the radio keeps to itself: two images that
// differ only in the calibration block give the same digest unless the block was written.
TEST(Sha256, OfTheBytesWrittenLeavesOutWhatTheRadioKeeps) {
    test::QuietHost host;
    const ProgramState state = StartupState(host, 1);
    ImageBytes image = EncodeImage(state);
    const std::string before = WrittenBytesSha256(image, false);
    image[0x173] ^= 0xFF;  // the high power level
    EXPECT_EQ(WrittenBytesSha256(image, false), before);
    EXPECT_NE(WrittenBytesSha256(image, true), WrittenBytesSha256(EncodeImage(state), true));
    image[0x2F0] ^= 0xFF;  // embedded line 1
    EXPECT_NE(WrittenBytesSha256(image, false), before);
    std::vector<std::uint8_t> written;
    for (const ImageRange& range : WrittenRanges(false)) {
        written.insert(written.end(), image.begin() + static_cast<long>(range.first),
                       image.begin() + static_cast<long>(range.end()));
    }
    EXPECT_EQ(written.size(), 88u * 16u);
    EXPECT_EQ(WrittenBytesSha256(image, false), Sha256Hex(written));
}

TEST(StationLog, TimeIsIso8601WithTheOffset) {
    const auto when = std::chrono::system_clock::from_time_t(1'714'572'202);  // 14:03:22 UTC
    EXPECT_EQ(IsoTime(when, 0s), "2024-05-01T14:03:22+00:00");
    EXPECT_EQ(IsoTime(when, 2h), "2024-05-01T16:03:22+02:00");
    EXPECT_EQ(IsoTime(when, -(5h + 30min)), "2024-05-01T08:33:22-05:30");
    EXPECT_EQ(IsoTime(when, 10h), "2024-05-02T00:03:22+10:00");
    const std::string local = LocalIsoTime(when);
    EXPECT_EQ(local.size(), 25u) << local;
}

StationLogRow SampleRow() {
    return {"2024-05-01T16:03:22+02:00",
            "COM1",
            "/dev/ttyUSB0",
            3,
            "400-470MHz",
            "fleet, \"blue\".DAT",
            std::string(64, 'a'),
            "UNIT 003",
            "line\nbreak",
            StationResult::Failed,
            StationVerify::Differs,
            "2024-05-01_16-03-20_400-470MHz_COM1_before-write.DAT",
            6.126,
            "verify found 2 differences, the first: channel 1"};
}

TEST(StationLog, ExactColumnsAndQuotingAsSpreadsheetsReadThem) {
    EXPECT_EQ(StationLogHeader(),
              "time,port,device,radio,band,setup,setup_sha256,line1,line2,result,verify,backup,"
              "seconds,detail\r\n");
    EXPECT_EQ(
        StationLogRecord(SampleRow()),
        "2024-05-01T16:03:22+02:00,COM1,/dev/ttyUSB0,3,400-470MHz,\"fleet, \"\"blue\"\".DAT\"," +
            std::string(64, 'a') +
            ",UNIT 003,\"line\nbreak\",failed,differs,"
            "2024-05-01_16-03-20_400-470MHz_COM1_before-write.DAT,6.13,"
            "\"verify found 2 differences, the first: channel 1\"\r\n");
    const struct {
        StationResult result;
        StationVerify verify;
        const char* words;
    } words[] = {
        {StationResult::Written, StationVerify::Verified, "written,verified"},
        {StationResult::Skipped, StationVerify::NotChecked, "skipped,not checked"},
    };
    for (const auto& w : words) {
        StationLogRow row = SampleRow();
        row.result = w.result;
        row.verify = w.verify;
        EXPECT_NE(StationLogRecord(row).find(w.words), std::string::npos) << w.words;
    }
}

TEST(StationLog, ReadsBackWhatItWroteAndLeavesOutACutLine) {
    StationLogRow second = SampleRow();
    second.radio = 4;
    second.seconds = 5.5;
    const std::string record = StationLogRecord(second);
    const std::string text =
        StationLogHeader() + StationLogRecord(SampleRow()) + record + record.substr(0, 40);
    std::vector<int> leftOut;
    const auto rows = ReadStationLog(text + "\r\n" + record, &leftOut);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 3u);
    // Each record spans two lines (line 2 holds a line break): the cut one starts on line 6.
    EXPECT_EQ(leftOut, std::vector<int>{6});
    StationLogRow first = SampleRow();
    first.seconds = 6.13;
    EXPECT_EQ((*rows)[0], first);
    EXPECT_EQ((*rows)[1], second);
    EXPECT_FALSE(ReadStationLog("Location,Name\r\n1,A\r\n"));
}

class StationLogFile : public ::testing::Test {
  protected:
    fs::path folder;
    fs::path log;

    void SetUp() override {
        char pattern[] = "/tmp/qv-station-log-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        log = folder / "data" / "station-log.csv";
    }
    void TearDown() override {
        ::chmod(folder.c_str(), 0700);
        fs::remove_all(folder);
    }
    std::string Contents() const {
        std::ifstream file(log, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
};

TEST_F(StationLogFile, IsMadeWithItsHeaderAndTakesALinePerRadio) {
    ASSERT_FALSE(PrepareStationLog(log)) << "the folder is made too";
    EXPECT_EQ(Contents(), StationLogHeader());
    ASSERT_FALSE(PrepareStationLog(log)) << "a log that is there is taken as it is";
    ASSERT_FALSE(AppendStationLog(log, SampleRow()));
    ASSERT_FALSE(AppendStationLog(log, SampleRow()));
    EXPECT_EQ(Contents(),
              StationLogHeader() + StationLogRecord(SampleRow()) + StationLogRecord(SampleRow()));
}

// A line cut short (a disk that was full) must not swallow the next radio's line.
TEST_F(StationLogFile, ALineCutShortIsEndedBeforeTheNextOne) {
    fs::create_directories(log.parent_path());
    const std::string cut = StationLogHeader() + StationLogRecord(SampleRow()).substr(0, 30);
    std::ofstream(log, std::ios::binary) << cut;
    ASSERT_FALSE(AppendStationLog(log, SampleRow()));
    EXPECT_EQ(Contents(), cut + "\r\n" + StationLogRecord(SampleRow()));
    EXPECT_EQ(ReadStationLog(Contents())->size(), 1u);
}

TEST_F(StationLogFile, ALogRemovedMeanwhileGetsItsHeaderAgain) {
    ASSERT_FALSE(PrepareStationLog(log));
    fs::remove(log);
    ASSERT_FALSE(AppendStationLog(log, SampleRow()));
    EXPECT_EQ(Contents(), StationLogHeader() + StationLogRecord(SampleRow()));
}

TEST_F(StationLogFile, AnotherFileOrOneThatCannotBeWrittenIsRefusedWithTheReason) {
    fs::create_directories(log.parent_path());
    std::ofstream(log, std::ios::binary) << "Location,Name,Frequency\r\n1,A,435.000\r\n";
    std::optional<LogFileFault> fault = PrepareStationLog(log);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->Describe(Language::English),
              log.string() +
                  " is not a programming log (its first line is "
                  "\"Location,Name,Frequency\"): choose another file");
    ASSERT_TRUE(AppendStationLog(log, SampleRow())) << "nothing is added to another file";
    EXPECT_EQ(Contents(), "Location,Name,Frequency\r\n1,A,435.000\r\n");

    fs::remove(log);
    fs::create_directories(log);
    fault = PrepareStationLog(log);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, LogFileFault::Kind::SystemError);
    EXPECT_TRUE(fault->Describe(Language::English)
                    .starts_with("the programming log " + log.string() + " cannot be written: "))
        << fault->Describe(Language::English);

    // Root writes into any folder: the permission case needs a user (what CI runs as varies).
    if (::geteuid() == 0) return;
    fs::remove(log);
    ::chmod(log.parent_path().c_str(), 0500);
    fault = PrepareStationLog(log);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->error, EACCES);
}

}  // namespace
}  // namespace qv
