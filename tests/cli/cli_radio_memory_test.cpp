// qv7100-cli's verify, backups, restore, diff and fleet write, run as a user runs them, against
// virtual radios on pseudo-terminals.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "image/image_codec.h"
#include "rules/backups/backups.h"
#include "rules/program/dat_file.h"
#include "rules/program/startup.h"
#include "sim/pty_server.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

using Result = test::CliResult;
using test::Contains;

class CliRadioMemory : public test::CliProcess {
  protected:
    std::vector<std::unique_ptr<PtyServer>> radios;

    void TearDown() override {
        for (const auto& radio : radios) radio->Stop();
        test::CliProcess::TearDown();
    }

    // A set-up in band 0 with channels 1 and 33 and, with `withChannel21`, channel G2- 05.
    static ProgramState Setup(bool withChannel21, const std::string& line1 = "Dealer 42") {
        test::ScriptedHost host;
        ProgramState state = StartupState(host, 1);
        state.Grid1[1] = {"G1-01", "455.12500", "67.0", "456.00000", "D023N",
                          "Hight", "Off",       "Wide", "Have"};
        state.Grid1[33] = {"G3- 01", "459.99500", "Off",    "459.99500", "Off",
                           "Low",    "Carrow",    "Narrow", "No"};
        if (withChannel21) {
            state.Grid1[21] = {"G2- 05", "462.56250", "D023N",  "467.56250", "D023N",
                               "Low",    "Off",       "Narrow", "No"};
        }
        state.EmbeddedInfo[0] = state.Form7.Text1 = line1;
        return state;
    }

    fs::path SetupFile(const std::string& name, const ProgramState& state) const {
        const ImageBytes image = EncodeImage(state);
        std::ofstream(dir / name, std::ios::binary)
            << kDatSignature << std::string(image.begin(), image.end());
        return dir / name;
    }

    // A virtual radio holding `image`; its device path.
    std::string StartRadio(const ImageBytes& image, int band, const std::string& fault = "none") {
        radios.push_back(
            std::make_unique<PtyServer>(VirtualRadio(image, band, *ParseRadioFault(fault)), false));
        EXPECT_TRUE(radios.back()->Start(nullptr));
        return radios.back()->DevicePath();
    }

    // The cells of a table the program printed, each line cut where the header's columns start
    // (a header cell may hold a space, a column is two spaces wider than its widest cell).
    static std::vector<std::map<std::string, std::string>> TableRows(
        const std::vector<std::string>& lines) {
        std::vector<std::pair<std::string, std::size_t>> columns;
        const std::string& header = lines.front();
        for (std::size_t at = 0; at < header.size();) {
            const std::size_t end = header.find("  ", at);
            columns.emplace_back(header.substr(at, end - at), at);
            if (end == std::string::npos) break;
            at = header.find_first_not_of(' ', end);
        }
        std::vector<std::map<std::string, std::string>> rows;
        for (std::size_t line = 1; line < lines.size(); ++line) {
            std::map<std::string, std::string>& row = rows.emplace_back();
            for (std::size_t c = 0; c < columns.size(); ++c) {
                const std::size_t from = columns[c].second;
                const std::size_t to =
                    c + 1 < columns.size() ? columns[c + 1].second : std::string::npos;
                std::string cell =
                    from < lines[line].size() ? lines[line].substr(from, to - from) : "";
                cell.erase(cell.find_last_not_of(' ') + 1);
                row[columns[c].first] = cell;
            }
        }
        return rows;
    }

    std::vector<std::string> OutputLines(const std::string& text) const {
        std::vector<std::string> lines;
        std::size_t from = 0;
        for (std::size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1) {
            lines.push_back(text.substr(from, end - from));
        }
        return lines;
    }
};

TEST_F(CliRadioMemory, WriteVerifyNamesWhatTheRadioDidNotStore) {
    const fs::path file = SetupFile("shop.DAT", Setup(true));
    const struct {
        const char* fault;
        int exitCode;
        std::vector<std::string> told;
    } cases[] = {
        {"none", 0, {"Verified: the radio holds what was written."}},
        // Write frame 61 carries radio addresses 0x0440..0x044F: channel G2- 05.
        {"drop-block:61",
         1,
         {"qv7100-cli: Verify failed: the radio holds 1 difference from what was written.",
          "qv7100-cli: channel G2- 05: wrote 462.56250 D023N 467.56250 D023N Low Off Narrow No, "
          "radio holds (empty)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        const std::string port = StartRadio(EncodeImage(Setup(false)), 0, c.fault);
        const Result result = Run("write --verify --port " + port + " " + file.string());
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_TRUE(Contains(result.out, "Wrote " + file.string()));
        for (const std::string& line : c.told) {
            EXPECT_TRUE(Contains(result.out + result.err, line + "\n")) << result.out << result.err;
        }
    }
}

TEST_F(CliRadioMemory, AFleetWritesEveryRadioItCanAndTellsEachOne) {
    const ProgramState setup = Setup(true);
    const fs::path file = SetupFile("fleet.DAT", setup);
    const ImageBytes old = EncodeImage(Setup(false, "old"));
    const std::string healthy1 = StartRadio(old, 0);
    const std::string silent = StartRadio(old, 0, "silent");
    const std::string otherBand = StartRadio(old, 1);
    const std::string healthy2 = StartRadio(old, 0);

    const struct {
        bool yes;
        std::string otherBandResult;
        std::string notWritten;
    } cases[] = {
        {false, "skipped: the radio is a 450-490MHz radio",
         "qv7100-cli: 2 of 4 radios were not written and verified\n"},
        {true, "written", "qv7100-cli: 1 of 4 radios were not written and verified\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.yes);
        const Result result = Run(std::string("write --verify ") + (c.yes ? "--yes " : "") +
                                  "--port " + healthy1 + " --port " + silent + " --port " +
                                  otherBand + " --port " + healthy2 + " " + file.string());
        EXPECT_EQ(result.exitCode, 1) << "the silent radio was not written";
        const std::vector<std::string> table = OutputLines(result.out);
        ASSERT_EQ(table.size(), 5u) << result.out;
        const std::vector<std::map<std::string, std::string>> rows = TableRows(table);
        const auto row = [&](std::size_t i, const std::string& port, const std::string& band,
                             const std::string& written, const std::string& verify) {
            SCOPED_TRACE(table[i + 1]);
            EXPECT_EQ(rows[i].at("Port"), port);
            EXPECT_EQ(rows[i].at("Radio band"), band);
            EXPECT_EQ(rows[i].at("Result"), written);
            EXPECT_EQ(rows[i].at("Verify"), verify);
        };
        row(0, healthy1, "400-470MHz", "written", "verified");
        row(1, silent, "-",
            "failed: no answer to the handshake: is the radio switched on and the cable plugged "
            "in?",
            "-");
        row(2, otherBand, "450-490MHz", c.otherBandResult, c.yes ? "verified" : "-");
        row(3, healthy2, "400-470MHz", "written", "verified");
        // Each radio written names the backup of what it holds now, by its own port.
        for (const std::size_t i : {0u, 3u}) {
            const std::string token = BackupPortToken(rows[i].at("Port"));
            EXPECT_TRUE(rows[i].at("Backup").ends_with("_400-470MHz_" + token + "_written.DAT"))
                << rows[i].at("Backup");
            EXPECT_TRUE(Contains(result.err, rows[i].at("Port") + ": written, verified ("))
                << result.err;
        }
        EXPECT_EQ(rows[1].at("Backup"), "-");
        EXPECT_TRUE(result.err.ends_with(c.notWritten)) << result.err;
    }
    const ImageBytes written = EncodeImage(setup);
    for (std::size_t i : {0u, 2u, 3u}) {
        const RadioRecord record = radios[i]->Snapshot();
        EXPECT_TRUE(
            std::equal(written.begin(), written.begin() + 0x170, record.ImagePart().begin()))
            << "radio " << i;
    }
    EXPECT_TRUE(radios[1]->Snapshot().blocksWritten.empty());
}

// A fleet whose backups cannot be saved writes no radio with --backup-first, and says why of each.
TEST_F(CliRadioMemory, AFleetWritesNoRadioWhoseBackupCouldNotBeSaved) {
    std::ofstream(dir / "data") << "a file where the data folder should be";
    const fs::path file = SetupFile("fleet.DAT", Setup(true));
    const ImageBytes old = EncodeImage(Setup(false, "old"));
    const std::string first = StartRadio(old, 0);
    const std::string second = StartRadio(old, 0);
    const Result result =
        Run("write --backup-first --port " + first + " --port " + second + " " + file.string());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.ends_with("qv7100-cli: 2 of 2 radios were not written\n")) << result.err;
    for (const auto& row : TableRows(OutputLines(result.out))) {
        SCOPED_TRACE(row.at("Port"));
        EXPECT_TRUE(row.at("Result").starts_with("not written: its backup ")) << row.at("Result");
        EXPECT_TRUE(Contains(row.at("Result"), "_before-write.DAT could not be saved: "))
            << row.at("Result");
    }
    for (const auto& radio : radios) EXPECT_TRUE(radio->Snapshot().blocksWritten.empty());
}

// COM1..COM2 stands for each port of the range, as the port menu maps it to a device.
TEST_F(CliRadioMemory, ARangeOfPortsWritesEveryRadioInIt) {
    const fs::path file = SetupFile("range.DAT", Setup(true));
    const ImageBytes old = EncodeImage(Setup(false, "old"));
    ::setenv("QV7100_COM1", StartRadio(old, 0).c_str(), 1);
    ::setenv("QV7100_COM2", StartRadio(old, 0).c_str(), 1);
    const Result written = Run("write --port com1..COM2 " + file.string());
    const Result backwards = Run("write --port COM2..COM1 " + file.string());
    ::unsetenv("QV7100_COM1");
    ::unsetenv("QV7100_COM2");

    EXPECT_EQ(written.exitCode, 0) << written.err;
    const std::vector<std::string> table = OutputLines(written.out);
    ASSERT_EQ(table.size(), 3u) << written.out;
    EXPECT_TRUE(table[1].starts_with("COM1 ")) << table[1];
    EXPECT_TRUE(table[2].starts_with("COM2 ")) << table[2];
    for (const auto& radio : radios) EXPECT_EQ(radio->Snapshot().sessions, 1);

    EXPECT_EQ(backwards.exitCode, 2) << "a usage error";
    EXPECT_TRUE(Contains(backwards.err, "COM2..COM1 names no ports")) << backwards.err;
    for (const auto& radio : radios) EXPECT_EQ(radio->Snapshot().sessions, 1);
}

// One radio's power calibration is never written into others: with several ports, or a range,
// --unlock-calibration is refused before any port is opened.
TEST_F(CliRadioMemory, CalibrationIsWrittenIntoOneRadioOnly) {
    const fs::path file = SetupFile("calibrated.DAT", Setup(true));
    const ImageBytes old = EncodeImage(Setup(false, "old"));
    const std::string first = StartRadio(old, 0);
    const std::string second = StartRadio(old, 0);
    ::setenv("QV7100_COM1", first.c_str(), 1);
    ::setenv("QV7100_COM2", second.c_str(), 1);
    for (const std::string& ports :
         {"--port " + first + " --port " + second, std::string("--port COM1..COM2"),
          std::string("--port COM1..COM1")}) {
        SCOPED_TRACE(ports);
        const Result refused = Run("write --unlock-calibration " + ports + " " + file.string());
        EXPECT_EQ(refused.exitCode, 2) << refused.err;
        EXPECT_TRUE(Contains(refused.err,
                             "--unlock-calibration writes one radio's power "
                             "calibration: give one --port"))
            << refused.err;
        for (const auto& radio : radios) EXPECT_EQ(radio->Snapshot().sessions, 0);
    }
    const Result one = Run("write --unlock-calibration --port COM2 " + file.string());
    ::unsetenv("QV7100_COM1");
    ::unsetenv("QV7100_COM2");
    EXPECT_EQ(one.exitCode, 0) << one.err;
    EXPECT_EQ(radios[1]->Snapshot().blocksWritten.size(), 89u) << "the calibration block too";
}

TEST_F(CliRadioMemory, ABackupMadeBeforeAWriteRestoresTheRadioByteForByte) {
    ImageBytes old = EncodeImage(Setup(false, "before"));
    // Bytes the set-up has no field for: the written half of the password field, a filler byte.
    for (std::size_t k = 0x1B0; k < 0x1B8; ++k) old[k] = static_cast<std::uint8_t>('0' + k % 10);
    old[0x10F] = 0x3C;
    const std::string port = StartRadio(old, 0);
    const auto original = radios[0]->Snapshot().memory;

    const Result written = Run("write --backup-first --port " + port + " " +
                               SetupFile("new.DAT", Setup(true, "after")).string());
    ASSERT_EQ(written.exitCode, 0) << written.err;
    EXPECT_NE(radios[0]->Snapshot().memory, original);
    const std::string note = "the radio's memory before the write is kept in ";
    const std::size_t at = written.err.find(note);
    ASSERT_NE(at, std::string::npos) << written.err;
    const std::string backup =
        written.err.substr(at + note.size(), written.err.find('\n', at) - at - note.size());
    EXPECT_TRUE(backup.ends_with("_400-470MHz_" + BackupPortToken(port) + "_before-write.DAT"))
        << backup;

    const Result listed = Run("backups");
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_TRUE(Contains(listed.out, "before write")) << listed.out;
    EXPECT_TRUE(Contains(listed.out, "\"before\"")) << listed.out;
    EXPECT_TRUE(Contains(listed.out, "\"after\"")) << "the written one" << listed.out;

    const Result restored = Run("restore --verify --port " + port + " " + backup);
    ASSERT_EQ(restored.exitCode, 0) << restored.err;
    EXPECT_EQ(radios[0]->Snapshot().memory, original);
}

TEST_F(CliRadioMemory, EveryReadKeepsABackupAndADamagedOneIsListed) {
    const std::string port = StartRadio(EncodeImage(Setup(true, "kept")), 0);
    ASSERT_EQ(Run("read --port " + port + " " + (dir / "read.DAT").string()).exitCode, 0);
    const fs::path folder = dir / "data" / "qv7100" / "backups";
    std::ofstream(folder / "2020-01-01_00-00-00_400-470MHz_read.DAT") << "PLQ82 but short";
    std::ofstream(folder / "2020-01-01_00-00-00_400-470MHz_readme.DAT") << "not a backup";
    const Result listed = Run("backups");
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const std::vector<std::string> lines = OutputLines(listed.out);
    ASSERT_EQ(lines.size(), 4u) << listed.out;
    EXPECT_EQ(lines[0], "Backups in " + folder.string() + ", newest first:");
    const std::vector<std::map<std::string, std::string>> rows =
        TableRows({lines.begin() + 1, lines.end()});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].at("Band"), "400-470MHz");
    EXPECT_EQ(rows[0].at("Port"), BackupPortToken(port));
    EXPECT_EQ(rows[0].at("Kind"), "read");
    EXPECT_EQ(rows[0].at("Channels"), "3");
    EXPECT_EQ(rows[0].at("Embedded line 1"), "\"kept\"");
    EXPECT_TRUE(rows[0].at("File").ends_with("_read.DAT"));
    EXPECT_EQ(rows[1].at("Port"), "-") << "an older version's name";
    EXPECT_EQ(rows[1].at("Channels"), "damaged");
    EXPECT_EQ(rows[1].at("File"), "2020-01-01_00-00-00_400-470MHz_read.DAT");
}

// A read goes on when its backup cannot be saved, and says so once; a write with --backup-first
// does not: the radio is read, but not written without its backup.
TEST_F(CliRadioMemory, ABackupThatCannotBeSavedStopsOnlyAWriteThatWaitsForIt) {
    std::ofstream(dir / "data") << "a file where the data folder should be";
    const std::string port = StartRadio(EncodeImage(Setup(true)), 0);
    const Result read = Run("read --port " + port + " " + (dir / "read.DAT").string());
    EXPECT_EQ(read.exitCode, 0) << read.err;
    EXPECT_TRUE(fs::exists(dir / "read.DAT"));
    EXPECT_TRUE(read.err.starts_with("qv7100-cli: note: The backup ")) << read.err;
    EXPECT_EQ(OutputLines(read.err).size(), 1u) << "told once: " << read.err;

    const fs::path file = SetupFile("new.DAT", Setup(false, "new"));
    const Result held = Run("write --backup-first --verify --port " + port + " " + file.string());
    EXPECT_EQ(held.exitCode, 1) << held.err;
    EXPECT_TRUE(held.err.starts_with("qv7100-cli: The backup ")) << held.err;
    EXPECT_TRUE(Contains(held.err, "_before-write.DAT could not be saved: ")) << held.err;
    EXPECT_TRUE(Contains(held.err, "qv7100-cli: nothing was written")) << held.err;
    EXPECT_TRUE(held.out.empty()) << held.out;
    EXPECT_TRUE(radios[0]->Snapshot().blocksWritten.empty());

    const Result written = Run("write --port " + port + " " + file.string());
    EXPECT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(OutputLines(written.err).size(), 1u) << written.err;
    EXPECT_TRUE(Contains(written.err, "_sent.DAT could not be saved")) << written.err;
    EXPECT_EQ(radios[0]->Snapshot().blocksWritten.size(), 88u);
}

// A data folder that cannot be read is not a folder without backups.
TEST_F(CliRadioMemory, BackupsSaysWhenTheFolderCannotBeRead) {
    const struct {
        const char* what;
        fs::path file;  // a file where a folder should be
    } cases[] = {
        {"the data folder is a file", dir / "data"},
        {"the backups folder is a file", dir / "data" / "qv7100" / "backups"},
    };
    const Result none = Run("backups");
    EXPECT_EQ(none.exitCode, 0) << none.err;
    EXPECT_TRUE(none.out.starts_with("No backups in ")) << none.out;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir / "data");
        fs::create_directories(c.file.parent_path());
        std::ofstream(c.file) << "in the way";
        const Result listed = Run("backups");
        EXPECT_EQ(listed.exitCode, 1);
        EXPECT_TRUE(listed.out.empty()) << listed.out;
        EXPECT_EQ(listed.err, "qv7100-cli: The backups folder " +
                                  (dir / "data" / "qv7100" / "backups").string() +
                                  " cannot be read: " + "Not a directory\n");
    }
}

TEST_F(CliRadioMemory, DiffComparesFilesAndRadiosFieldByField) {
    const fs::path a = SetupFile("a.DAT", Setup(true));
    const fs::path b = SetupFile("b.DAT", Setup(false));
    const fs::path line = SetupFile("line.DAT", Setup(true, "Dealer 43"));
    const std::string same = StartRadio(EncodeImage(Setup(true)), 0);
    const std::string other = StartRadio(EncodeImage(Setup(false)), 0);
    // The memory of a.DAT in a radio that identifies itself as a 450-490MHz one.
    const std::string otherBand = StartRadio(EncodeImage(Setup(true)), 1);
    const std::string silent = StartRadio(EncodeImage(Setup(true)), 0, "silent");
    // Exit statuses: 0 the same, 1 different, 2 a usage error, 3 a side not read.
    const struct {
        std::string arguments;
        int exitCode;
        std::string told;
    } cases[] = {
        {a.string() + " " + a.string(), 0, "hold the same set-up"},
        {a.string() + " " + b.string(), 1, "channel G2- 05: " + a.string() + " has 462.56250"},
        {a.string() + " " + line.string(), 1, "differ in 1 field\n"},
        {a.string() + " " + b.string() + " --unlock-calibration", 1, "differ in 1 field\n"},
        {a.string() + " --port " + same, 0, "hold the same set-up"},
        {"--port " + same + " " + b.string(), 1, "channel G2- 05: " + same + " has 462.56250"},
        {"--port " + same + " --port=" + other, 1, "has (empty)"},
        {a.string() + " --port " + otherBand, 1,
         "Model: " + a.string() + " has 400-470MHz, " + otherBand + " has 450-490MHz\n"},
        {a.string(), 2, "diff compares two set-ups"},
        {a.string() + " " + b.string() + " --colour", 2, "diff does not know the option --colour"},
        {a.string() + " --port", 2, "--port needs a device path"},
        {a.string() + " " + (dir / "missing.DAT").string(), 3, "missing.DAT"},
        {"--port " + silent + " " + a.string(), 3, "read failed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const Result result = Run("diff " + c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_TRUE(Contains(result.out + result.err, c.told)) << result.out << result.err;
    }
}

}  // namespace
}  // namespace qv
