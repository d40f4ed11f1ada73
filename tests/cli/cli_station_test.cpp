// qv7100-cli station, run as a dealer runs it: against shelves of virtual radios that come and go
// on pseudo-terminals, its log read back as a spreadsheet would, stopped with Ctrl+C once and
// twice; and simulate --shelf serving it from a process of its own.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "cli_fixture.h"
#include "image/image_codec.h"
#include "rules/program/dat_file.h"
#include "rules/program/startup.h"
#include "rules/station/station_log.h"
#include "sim/pty_server.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

using test::Contains;

constexpr ShelfTime kMillisecond = 1'000'000;
// A radio stays a second after its first answer; the next comes two seconds after it went.
constexpr ShelfTiming kShelfTiming = {.present = 1000 * kMillisecond, .gap = 2000 * kMillisecond};
// The write frame that carries embedded line 1: a radio that loses it fails its read-back.
constexpr int kLineOneBlock = 41;
// How long a test waits for a line of the program before it gives up: only keeps a broken program
// from hanging the test, never a measure of speed.
constexpr auto kPatience = 60s;

// qv7100-cli started in the background, its outputs in files, so that a test can read what it
// said so far and send it signals.
class Background {
  public:
    Background(const std::string& arguments, const fs::path& out, const fs::path& err) : out_(out) {
        pid_ = ::fork();
        if (pid_ == 0) {
            const std::string command = "exec " + std::string(QV7100_CLI) + " " + arguments +
                                        " </dev/null >" + out.string() + " 2>" + err.string();
            ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~Background() {
        if (pid_ > 0 && !status_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    Background(const Background&) = delete;
    Background& operator=(const Background&) = delete;

    // What it printed on standard output so far.
    std::string Out() const {
        std::ifstream file(out_, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    // Waits until standard output holds `text`; false when it never came.
    bool WaitFor(const std::string& text) const {
        const auto until = std::chrono::steady_clock::now() + kPatience;
        while (std::chrono::steady_clock::now() < until) {
            if (Contains(Out(), text)) return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }
    void Signal(int signal) const { ::kill(pid_, signal); }
    // Its exit status once it has ended; -1 when it did not end in time or was killed.
    int Wait() {
        const auto until = std::chrono::steady_clock::now() + kPatience;
        while (std::chrono::steady_clock::now() < until) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
                return *status_;
            }
            std::this_thread::sleep_for(10ms);
        }
        return -1;
    }

  private:
    fs::path out_;
    pid_t pid_ = -1;
    std::optional<int> status_;
};

bool WaitUntil(const std::function<bool()>& done) {
    const auto until = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < until) {
        if (done()) return true;
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

class CliStation : public test::CliProcess {
  protected:
    std::vector<std::unique_ptr<PtyServer>> lines;

    void TearDown() override {
        for (const auto& line : lines) line->Stop();
        test::CliProcess::TearDown();
    }

    // The memory a dealer's radio comes with: its number in line 1, power levels of its own.
    static ImageBytes OldMemory(int number, int band = 0) {
        test::ScriptedHost host;
        ProgramState old = StartupState(host, 1);
        old.EmbeddedInfo[0] = "OLD " + std::to_string(number);
        old.PowerHighLevel = 100 + number;
        old.PowerLowLevel = 40 + number;
        old.Combo1 = old.BandIndex = band;
        return EncodeImage(old);
    }

    fs::path SetupFile() const {
        test::ScriptedHost host;
        ProgramState setup = StartupState(host, 1);
        setup.Grid1[1] = {"G1-01", "455.12500", "67.0", "456.00000", "D023N",
                          "Hight", "Off",       "Wide", "Have"};
        const ImageBytes image = EncodeImage(setup);
        std::ofstream(dir / "fleet.DAT", std::ios::binary)
            << kDatSignature << std::string(image.begin(), image.end());
        return dir / "fleet.DAT";
    }

    // A line whose radios take turns, each with the fault named (empty: none); its device.
    std::string StartShelf(const std::vector<RadioFault>& faults) {
        std::vector<VirtualRadio> radios;
        for (std::size_t k = 0; k < faults.size(); ++k) {
            radios.emplace_back(OldMemory(static_cast<int>(k) + 1), 0, faults[k]);
        }
        lines.push_back(
            std::make_unique<PtyServer>(RadioShelf(std::move(radios), kShelfTiming), false));
        EXPECT_TRUE(lines.back()->Start(nullptr));
        return lines.back()->DevicePath();
    }
    // A radio of `band` that stays for good; paced at 9600 baud, a write takes it two seconds.
    std::string StartRadio(int band, bool paced) {
        lines.push_back(std::make_unique<PtyServer>(VirtualRadio(OldMemory(1, band), band), paced));
        EXPECT_TRUE(lines.back()->Start(nullptr));
        return lines.back()->DevicePath();
    }
    std::string StartPacedRadio() { return StartRadio(0, true); }

    std::vector<StationLogRow> LogRows(const fs::path& log) const {
        const std::optional<std::vector<StationLogRow>> rows = ReadStationLog(Read(log));
        EXPECT_TRUE(rows) << Read(log);
        return rows.value_or(std::vector<StationLogRow>{});
    }
};

// Three radios come and go on one cable; the second loses the block that carries its line. Each
// is written once with the next number, the one that lost a block is flagged failed and its number
// goes to the next radio, and every one has its line in the log at the data folder's default place.
TEST_F(CliStation, WritesEachRadioOnceWithItsNumberAndLogsEveryOne) {
    const std::string device = StartShelf({{}, {RadioFaultKind::DropsBlock, kLineOneBlock}, {}});
    const test::CliResult result = Run("station " + SetupFile().string() + " --port " + device +
                                       " --count 3 --line1 'UNIT {n:03}' --first 7");
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_TRUE(Contains(result.err, "1 of 3 radios were not written and verified")) << result.err;
    for (const std::string& line : std::vector<std::string>{
             device + ": radio 1 arrived: 400-470MHz, line 1 \"UNIT 007\"",
             device + ": radio 1: reading the radio into a backup", device + ": radio 1: writing",
             device + ": radio 1: reading back to verify",
             device + ": radio 1: written and verified", device + ": radio 1: remove the radio",
             device + ": radio 1 removed",
             device + ": radio 2: failed: verify found 1 difference: embedded information, line 1: "
                      "wrote UNIT 008, radio holds OLD 2",
             device + ": radio 3 arrived: 400-470MHz, line 1 \"UNIT 008\"",
             "station: 3 radios handled: no more radios are taken",
             "station: 3 radios: 2 written, 2 verified, 1 failed, 0 skipped"}) {
        EXPECT_TRUE(Contains(result.out, line)) << line << "\n" << result.out;
    }

    const std::vector<StationLogRow> rows = LogRows(dir / "data" / "qv7100" / "station-log.csv");
    ASSERT_EQ(rows.size(), 3u);
    const struct {
        const char* line1;
        StationResult result;
        StationVerify verify;
    } expected[] = {
        {"UNIT 007", StationResult::Written, StationVerify::Verified},
        {"UNIT 008", StationResult::Failed, StationVerify::Differs},
        {"UNIT 008", StationResult::Written, StationVerify::Verified},
    };
    const std::vector<ShelfRadioRecord> radios = lines.front()->ShelfSnapshot();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        SCOPED_TRACE("radio " + std::to_string(k + 1));
        EXPECT_EQ(rows[k].radio, static_cast<int>(k) + 1);
        EXPECT_EQ(rows[k].port, device);
        EXPECT_EQ(rows[k].setup, "fleet.DAT");
        EXPECT_EQ(rows[k].line1, expected[k].line1);
        EXPECT_EQ(rows[k].result, expected[k].result);
        EXPECT_EQ(rows[k].verify, expected[k].verify);
        EXPECT_TRUE(fs::exists(dir / "data" / "qv7100" / "backups" / rows[k].backup));
        EXPECT_EQ(radios[k].record.blocksWritten.size(), 88u) << "written once";
        EXPECT_EQ(radios[k].record.ImagePart()[0x173], 101 + k) << "its own calibration";
    }
}

// The roster's two rows go to the first two radios; then the station takes no more, says so and
// ends with success.
TEST_F(CliStation, EndsWhenTheRosterIsUsedUp) {
    const std::string device = StartShelf({{}, {}, {}});
    std::ofstream(dir / "roster.csv")
        << "owner;line1;line2\nFire;ENGINE 1;CH 1\nPolice;CAR 7;CH 2\n";
    const test::CliResult result = Run("station " + SetupFile().string() + " --port " + device +
                                       " --roster " + (dir / "roster.csv").string() + " --log " +
                                       (dir / "log.csv").string() + " --no-backup --no-verify");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(Contains(result.out,
                         "station: the roster is used up (all its 2 rows were "
                         "written): no more radios are taken"))
        << result.out;
    EXPECT_TRUE(Contains(result.out, ": radio 2: written ("));
    const std::vector<StationLogRow> rows = LogRows(dir / "log.csv");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].line1, "CAR 7");
    EXPECT_EQ(rows[1].line2, "CH 2");
    EXPECT_EQ(rows[1].verify, StationVerify::NotChecked);
    EXPECT_TRUE(lines.front()->ShelfSnapshot()[2].record.blocksWritten.empty());
}

// Values the radio cannot hold, a pattern that is none and a log that is another file are refused
// before a port is opened, each with where it stands; a --first without a counter is a usage
// error.
TEST_F(CliStation, BadValuesOrALogThatCannotTakeLinesAreRefusedBeforeAnyRadio) {
    const std::string device = StartShelf({{}});
    std::ofstream(dir / "long.csv") << "line1\nOK\n" << std::string(33, 'X') << "\n";
    std::ofstream(dir / "other.csv") << "Location,Name\n1,A\n";
    const struct {
        std::string arguments;
        int exitCode;
        std::string message;
    } cases[] = {
        {"--roster " + (dir / "long.csv").string(), 1,
         "roster line 3, line1: \"" + std::string(33, 'X') +
             "\" has 33 characters; a line holds 32\nqv7100-cli: nothing was programmed"},
        {"--line2 'UNIT {N}'", 1, "the pattern of line 2: {N} at character 6 is no counter"},
        {"--line1 '" + std::string(31, 'A') + "{n}' --count 10", 1,
         "line 1 with the number 10: \"" + std::string(31, 'A') + "10\" has 33 characters"},
        {"--log " + (dir / "other.csv").string(), 1,
         (dir / "other.csv").string() +
             " is not a programming log (its first line is \"Location,Name\")"},
        {"--first 3", 2, "--first is the first number of {n}"},
    };
    for (const auto& c : cases) {
        const test::CliResult result =
            Run("station " + SetupFile().string() + " --port " + device + " " + c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments << "\n" << result.err;
        EXPECT_TRUE(Contains(result.err, c.message)) << c.arguments << "\n" << result.err;
    }
    EXPECT_EQ(lines.front()->ShelfSnapshot()[0].record.sessions, 0) << "no radio was asked";
}

// The first Ctrl+C (or SIGTERM) takes no new radios and lets the radio being written finish; the
// second ends it at once, as its watchdog would, and it is logged as failed with what it may hold.
TEST_F(CliStation, AFirstStopLetsTheRadioFinishAndASecondEndsIt) {
    for (const int presses : {1, 2}) {
        SCOPED_TRACE(std::to_string(presses) + " Ctrl+C");
        const std::string device = StartPacedRadio();
        const fs::path log = dir / ("log" + std::to_string(presses) + ".csv");
        Background station("station " + SetupFile().string() + " --port " + device +
                               " --no-backup --log " + log.string(),
                           dir / ("out" + std::to_string(presses)),
                           dir / ("err" + std::to_string(presses)));
        ASSERT_TRUE(station.WaitFor(": radio 1: writing"));
        // In the middle of the write.
        const PtyServer& radio = *lines.back();
        ASSERT_TRUE(WaitUntil([&] { return radio.Snapshot().blocksWritten.size() >= 10; }));
        station.Signal(presses == 1 ? SIGTERM : SIGINT);
        if (presses == 2) {
            ASSERT_TRUE(station.WaitFor("station: stopping"));
            station.Signal(SIGINT);
        }
        const int status = station.Wait();
        const std::vector<StationLogRow> rows = LogRows(log);
        ASSERT_EQ(rows.size(), 1u) << station.Out();
        if (presses == 1) {
            EXPECT_EQ(status, 0) << station.Out();
            EXPECT_EQ(rows[0].result, StationResult::Written);
            EXPECT_EQ(rows[0].verify, StationVerify::Verified);
            EXPECT_EQ(lines.back()->Snapshot().blocksWritten.size(), 88u);
        } else {
            EXPECT_EQ(status, 1) << station.Out();
            EXPECT_EQ(rows[0].result, StationResult::Failed);
            EXPECT_TRUE(rows[0].detail.starts_with("stopped at write frame")) << rows[0].detail;
            EXPECT_LT(lines.back()->Snapshot().blocksWritten.size(), 88u);
        }
    }
}

// A radio of another band than the set-up is skipped without a transfer, logged as skipped, and
// the station ends with 1; --yes writes it.
TEST_F(CliStation, ARadioOfAnotherBandIsSkippedUnlessYes) {
    const struct {
        const char* flag;
        int exitCode;
        const char* said;
        StationResult result;
    } cases[] = {
        {"", 1,
         ": radio 1: skipped: the radio is a 370-390MHz radio and the set-up is for 400-470MHz",
         StationResult::Skipped},
        {" --yes", 0, ": radio 1: written and verified", StationResult::Written},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flag);
        const std::string device = StartRadio(3, false);
        const fs::path log = dir / "log.csv";
        fs::remove(log);
        const test::CliResult result = Run("station " + SetupFile().string() + " --port " + device +
                                           " --count 1 --log " + log.string() + c.flag);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_TRUE(Contains(result.out, device + ": radio 1 arrived: 370-390MHz")) << result.out;
        EXPECT_TRUE(Contains(result.out, device + c.said)) << result.out;
        const std::vector<StationLogRow> rows = LogRows(log);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].result, c.result);
        EXPECT_EQ(rows[0].band, "370-390MHz");
        const RadioRecord radio = lines.back()->Snapshot();
        if (c.result == StationResult::Skipped) {
            EXPECT_TRUE(Contains(result.err, "1 of 1 radios were not written")) << result.err;
            EXPECT_TRUE(radio.blocksRead.empty()) << "not even backed up";
            EXPECT_TRUE(radio.blocksWritten.empty());
            EXPECT_EQ(rows[0].verify, StationVerify::NotChecked);
        } else {
            EXPECT_EQ(radio.blocksWritten.size(), 88u);
            EXPECT_EQ(rows[0].verify, StationVerify::Verified);
        }
    }
}

// A radio is finished once the station says to remove it: its line is in the log then, so a
// station killed at that moment (no Ctrl+C, nothing flushed on the way out) has lost nothing.
TEST_F(CliStation, AStationKilledKeepsTheLineOfEveryRadioItFinished) {
    const std::string device = StartShelf({{}, {}});
    const fs::path log = dir / "log.csv";
    Background station("station " + SetupFile().string() + " --port " + device + " --log " +
                           log.string() + " --line1 'UNIT {n}'",
                       dir / "out", dir / "err");
    ASSERT_TRUE(station.WaitFor(": radio 1: remove the radio"));
    station.Signal(SIGKILL);
    EXPECT_EQ(station.Wait(), -1);
    const std::vector<StationLogRow> rows = LogRows(log);
    ASSERT_EQ(rows.size(), 1u) << station.Out();
    EXPECT_EQ(rows[0].line1, "UNIT 1");
    EXPECT_EQ(rows[0].result, StationResult::Written);
    EXPECT_TRUE(Read(log).ends_with("\r\n")) << "a whole line";
}

// A station that cannot record does not program: when the log cannot take a radio's line, the
// station takes no more radios, says why, and its report ends with the line the log lacks.
TEST_F(CliStation, ALogThatCannotTakeALineStopsTheStationAndTellsTheLine) {
    const std::string device = StartPacedRadio();
    const fs::path log = dir / "log.csv";
    Background station("station " + SetupFile().string() + " --port " + device +
                           " --no-backup --line1 'UNIT {n}' --log " + log.string(),
                       dir / "out", dir / "err");
    ASSERT_TRUE(station.WaitFor(": radio 1: writing"));
    // The log turns into a folder while the radio is written.
    fs::remove(log);
    fs::create_directories(log);
    EXPECT_EQ(station.Wait(), 1) << station.Out();
    EXPECT_TRUE(Contains(station.Out(),
                         "station: the programming log " + log.string() + " cannot be written: "))
        << station.Out();
    EXPECT_TRUE(Contains(station.Out(), "a station that cannot record does not program"))
        << station.Out();
    const std::string err = Read(dir / "err");
    EXPECT_TRUE(Contains(err, "not in the log: ")) << err;
    EXPECT_TRUE(Contains(err, "," + device + ",1,400-470MHz,fleet.DAT,")) << err;
    EXPECT_TRUE(Contains(err, ",UNIT 1,,written,verified,")) << err;
    EXPECT_EQ(lines.back()->Snapshot().blocksWritten.size(), 88u) << "written once";
}

// simulate --shelf serves a station from a process of its own: the radios come one after the
// other, each with its own memory and calibration, one silent, and a dealer can try the station
// without radios.
TEST_F(CliStation, SimulateServesAShelfThatAStationWrites) {
    Background shelf("simulate --shelf 3 --present 1 --gap 2 --shelf-fault 2=silent",
                     dir / "shelf-out", dir / "shelf-err");
    ASSERT_TRUE(shelf.WaitFor("\n"));
    std::string device = shelf.Out();
    device.erase(device.find('\n'));
    const test::CliResult result =
        Run("station " + SetupFile().string() + " --port " + device +
            " --count 2 --line1 'UNIT {n}' --log " + (dir / "log.csv").string());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    shelf.Signal(SIGINT);
    EXPECT_EQ(shelf.Wait(), 0);
    const std::string report = Read(dir / "shelf-err");
    EXPECT_TRUE(Contains(report, "Radio 1 (400-470MHz): came and went; sessions")) << report;
    EXPECT_TRUE(Contains(report, "Radio 2 (400-470MHz, silent): came and went;")) << report;
    EXPECT_TRUE(Contains(report, "blocks written 88")) << report;
    const std::vector<StationLogRow> rows = LogRows(dir / "log.csv");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].line1, "UNIT 1");
    EXPECT_EQ(rows[1].line1, "UNIT 2");
    EXPECT_EQ(rows[1].radio, 2) << "the silent radio is no radio of the station";
}

}  // namespace
}  // namespace qv
