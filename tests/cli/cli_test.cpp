// qv7100-cli as a user runs it: real files, real exit codes, a virtual radio on a pseudo-terminal.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "image/image_codec.h"
#include "rules/channels/grid_rules.h"
#include "rules/program/dat_file.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "sim/pty_server.h"
#include "support/sample_channels.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

using Result = test::CliResult;

class Cli : public test::CliProcess {
  protected:
    // A set-up file with two channels in band 1, written as Save writes it.
    fs::path SampleFile(const std::string& name = "sample.DAT") const {
        test::ScriptedHost host;
        ProgramState state = StartupState(host, 1);
        state.Grid1[1] = {"G1-01", "455.12500", "67.0", "456.00000", "D023N",
                          "Hight", "Off",       "Wide", "Have"};
        state.Grid1[33] = {"G3- 01", "489.99500", "Off",    "489.99500", "Off",
                           "Low",    "Carrow",    "Narrow", "No"};
        state.Combo1 = state.BandIndex = 1;
        state.EmbeddedInfo[0] = "Dealer 42";
        const ImageBytes image = EncodeImage(state);
        std::ofstream(dir / name, std::ios::binary)
            << kDatSignature << std::string(image.begin(), image.end());
        return dir / name;
    }
};

TEST_F(Cli, NewSavesTheStartupSetup) {
    const Result result = Run("new " + (dir / "new.DAT").string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    test::ScriptedHost host;
    const ImageBytes image = EncodeImage(StartupState(host));
    EXPECT_EQ(Read(dir / "new.DAT"),
              std::string(kDatSignature) + std::string(image.begin(), image.end()));
}

TEST_F(Cli, ResaveGivesBackTheSameBytes) {
    const fs::path sample = SampleFile();
    const Result result = Run("resave " + sample.string() + " " + (dir / "again.DAT").string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Read(dir / "again.DAT"), Read(sample));
}

TEST_F(Cli, ResaveRefusesDamagedFilesWithoutWritingAnything) {
    const std::string good = Read(SampleFile());
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"signature", "plq82" + good.substr(5), "Document type not to open."},
        {"short", good.substr(0, 1000), "too short"},
        {"empty", "", "Document type not to open."},
    };
    for (const auto& c : cases) {
        std::ofstream(dir / "bad.DAT", std::ios::binary) << c.bytes;
        const Result result =
            Run("resave " + (dir / "bad.DAT").string() + " " + (dir / "out.DAT").string());
        EXPECT_EQ(result.exitCode, 1) << c.name;
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << c.name << ": " << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_FALSE(fs::exists(dir / "out.DAT")) << c.name;
    }
    EXPECT_EQ(
        Run("resave " + (dir / "missing.DAT").string() + " " + (dir / "out.DAT").string()).exitCode,
        1);
}

TEST_F(Cli, UsageErrorsExitWithTwoAndHelpWithZero) {
    EXPECT_EQ(Run("").exitCode, 2);
    EXPECT_EQ(Run("frobnicate").exitCode, 2);
    EXPECT_EQ(Run("resave only-one.DAT").exitCode, 2);
    EXPECT_EQ(Run("read out.DAT").exitCode, 2) << "--port is required";
    EXPECT_EQ(Run("simulate --band 6").exitCode, 2);
    EXPECT_EQ(Run("simulate --fault melt").exitCode, 2);
    for (const char* command :
         {"--help", "new --help", "resave --help", "show --help", "import-csv --help",
          "export-csv --help", "read --help", "write --help", "simulate --help"}) {
        const Result result = Run(command);
        EXPECT_EQ(result.exitCode, 0) << command;
        EXPECT_NE(result.out.find("Usage"), std::string::npos) << command;
    }
    EXPECT_NE(Run("simulate --help").out.find("cable-pulled:N"), std::string::npos);
}

TEST_F(Cli, ErrorsSayWhatTheyAre) {
    const fs::path regularFile = SampleFile();
    const struct {
        std::string arguments;
        int exitCode;
        std::string says;
    } cases[] = {
        {"read --port '' out.DAT", 2, "--port: a device path or COM1..COM8 is needed"},
        {"write --port '' " + regularFile.string(), 2, "a device path or COM1..COM8 is needed"},
        {"read --port /dev/null out.DAT", 1, "cannot open /dev/null: it is not a serial device"},
        {"read --port " + dir.string() + " out.DAT", 1,
         "cannot open " + dir.string() + ": it is not a serial device"},
        {"write --port " + regularFile.string() + " " + regularFile.string(), 1,
         "cannot open " + regularFile.string() + ": it is not a serial device"},
        {"bogus", 2, "qv7100-cli: unknown command 'bogus'"},
        {"bogus --port /dev/null", 2, "unknown command 'bogus'"},
    };
    for (const auto& c : cases) {
        const Result result = Run(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << c.arguments << "\n" << result.err;
        EXPECT_EQ(result.err.find("another program"), std::string::npos) << result.err;
    }

    const Result version = Run("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "qv7100-cli " QV7100_VERSION "\n");
}

TEST_F(Cli, ShowPrintsTheSetupInEnglish) {
    const Result result = Run("show " + SampleFile().string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* expected :
         {"Band: 450-490MHz", "Channels: 2 of 48 in use", "RX frequency",
          "G1-01    455.12500     67.0    456.00000     D023N   Hight  Off     Wide    Have",
          "G3- 01   489.99500     Off     489.99500     Off     Low    Carrow  Narrow  No",
          "Time-out       30 S", "LongPress_PF2   Alarm", "\"Dealer 42\"", "TX-Hight Power  208"}) {
        EXPECT_NE(result.out.find(expected), std::string::npos) << expected << "\n" << result.out;
    }
}

// Texts of the set-up come from any bytes of the image: a control character reaches the terminal
// as an escape, never as itself (ESC could clear the screen or set the window's title), and the
// backslash and the quote are escaped too, so that the output reads back unambiguously.
TEST_F(Cli, ShowEscapesControlCharactersOfTheTexts) {
    test::ScriptedHost host;
    ProgramState state = StartupState(host, 1);
    state.EmbeddedInfo[0] = "\x1b]0;owned\x07\x1b[2J\r";
    state.EmbeddedInfo[1] = "a\\x1b \"q\" \xC2\x9B\x7F\x01 \xC3\xA9";  // U+009B (CSI), DEL, é
    const ImageBytes image = EncodeImage(state);
    std::ofstream(dir / "texts.DAT", std::ios::binary)
        << kDatSignature << std::string(image.begin(), image.end());

    const Result result = Run("show " + (dir / "texts.DAT").string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("Line 1  \"\\x1b]0;owned\\x07\\x1b[2J\\x0d\"\n"), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("Line 2  \"a\\\\x1b \\\"q\\\" \\x9b\\x7f\\x01 \xC3\xA9\"\n"),
              std::string::npos)
        << result.out;
    for (const char control : {'\x1b', '\x07', '\r', '\x7f', '\x01'}) {
        EXPECT_EQ(result.out.find(control), std::string::npos) << int(control);
    }
    EXPECT_EQ(result.out.find("\xC2\x9B"), std::string::npos);
}

// What a command prints on standard output must arrive: a full disk is an error with a word.
TEST_F(Cli, AStandardOutputThatCannotBeWrittenFailsTheCommand) {
    const std::string sample = SampleFile().string();
    const struct {
        std::string arguments;
        int exitCode;
    } cases[] = {
        {"show " + sample, 1},
        {"export-csv " + sample + " " + (dir / "plan.csv").string(), 1},
        {"--version", 1},
        {"show --help", 1},
        {"new " + (dir / "new.DAT").string(), 0},  // prints nothing
    };
    for (const auto& c : cases) {
        const Result result = Run(c.arguments, "/dev/full");
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments;
        if (c.exitCode == 0) {
            EXPECT_EQ(result.err, "") << c.arguments;
            continue;
        }
        EXPECT_EQ(result.err, "qv7100-cli: cannot write to standard output: " +
                                  std::string(std::strerror(ENOSPC)) + "\n")
            << c.arguments;
    }
    EXPECT_TRUE(fs::exists(dir / "new.DAT"));

    // The virtual radio's device is all that simulate prints: without it nobody can reach the
    // radio, so it ends at once instead of serving.
    // Were it serving, an interrupt would end it after a while, with status 0.
    const Result simulate = Run("simulate", "/dev/full", "timeout -s INT 60 ");
    EXPECT_EQ(simulate.exitCode, 1);
    EXPECT_NE(simulate.err.find("qv7100-cli: cannot write to standard output"), std::string::npos)
        << simulate.err;
}

// Channel plans: CSV files in, set-ups out, and back.
class CliPlans : public Cli {
  protected:
    // The header the radio programming tools write.
    static constexpr const char* kHeader =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

    fs::path Write(const std::string& name, const std::string& text) const {
        std::ofstream(dir / name, std::ios::binary) << text;
        return dir / name;
    }
    fs::path WriteSetup(const std::string& name, const qv::Setup& setup) const {
        const ImageBytes image = EncodeImage(setup);
        return Write(name, std::string(kDatSignature) + std::string(image.begin(), image.end()));
    }
    // The set-up of a *.DAT file, cells in English.
    static ProgramState Opened(const fs::path& path) {
        test::ScriptedHost host;
        ProgramState state = StartupState(host, 1);
        ImageBytes image;
        EXPECT_TRUE(ReadDatFile(path, image).ok()) << path;
        DecodeImageBytes(image, state, host);
        return state;
    }
};

TEST_F(CliPlans, ImportFillsChannelsFromTheFirstEmptyOneOrTheOneGiven) {
    const std::string sample = SampleFile().string();  // channels 1 and 33, band 450-490MHz
    const std::string plan =
        Write("plan.csv", std::string(kHeader) +
                              "1,Rpt,458.650000,-,5.000000,TSQL,88.5,71.9,023,NN,023,Tone->Tone,"
                              "NFM,12.50,S,Low,,,,,\r\n"
                              "2,Simplex,459.0123,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,"
                              "5.00,,High,,,,,\r\n")
            .string();
    const std::string out = (dir / "out.DAT").string();
    const struct {
        std::string options;
        std::string printed;
        int first;
    } cases[] = {
        {"", "Imported 2 rows of " + plan + " into channels 2-3; wrote " + out + "\n", 2},
        {" --from-channel 33",
         "Imported 2 rows of " + plan + " into channels 33-34 (replaced: 33); wrote " + out + "\n",
         33},
        {" --from-channel=48",
         "Imported 1 row of " + plan + " into channel 48; wrote " + out + "\n", 48},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        fs::remove(out);
        const Result result = Run("import-csv " + sample + " " + plan + " " + out + c.options);
        EXPECT_EQ(result.out, c.printed);
        const ProgramState state = Opened(out);
        EXPECT_EQ(state.Grid1[c.first], (std::array<std::string, kGridColumns>{
                                            ChannelLabel(c.first), "458.65000", "71.9", "453.65000",
                                            "71.9", "Low", "Off", "Narrow", "No"}));
        if (c.first < 48) {
            EXPECT_EQ(result.exitCode, 0) << result.err;
            EXPECT_EQ(result.err, "");
            EXPECT_EQ(state.Grid1[c.first + 1][kColRxFrequency], "459.01000");
        } else {
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_EQ(result.err, "qv7100-cli: " + plan +
                                      ":3: Location \"2\": no channel left: the rows before it "
                                      "filled channel(s) 48, up to the last channel (48)\n"
                                      "qv7100-cli: 1 row of " +
                                      plan + " not imported\n");
        }
        EXPECT_EQ(state.Grid1[1][kColRxFrequency], "455.12500") << "channel 1 stays";
        EXPECT_EQ(state.Combo1, 1) << "the band stays";
    }
}

// Every row that is not imported is named with its line, its Location and why; what could be
// imported is written all the same.
TEST_F(CliPlans, ImportNamesEverySkippedRowAndExitsWithOne) {
    const std::string plan = Write("plan.csv",
                                   "Location;Frequency;Duplex;Offset;Mode;Comment\n"
                                   "A1;458,650;-;5;NFM;\"two\nlines\"\n"
                                   "A2;445,000;;;FM;\n"
                                   "A3;459,000;off;;FM;\n"
                                   ";459,100;;;AM;\n"
                                   "A5;459,200;;;FM;\n")
                                 .string();
    const std::string out = (dir / "out.DAT").string();
    const Result result = Run("import-csv " + SampleFile().string() + " " + plan + " " + out);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Imported 2 rows of " + plan + " into channels 2-3; wrote " + out + "\n");
    EXPECT_EQ(result.err,
              "qv7100-cli: " + plan +
                  ":4: Location \"A2\": receive frequency 445.000 MHz is outside the band "
                  "450-490MHz\n"
                  "qv7100-cli: " +
                  plan +
                  ":5: Location \"A3\": receive only (Duplex off): this radio has no receive-only "
                  "channels\n"
                  "qv7100-cli: " +
                  plan +
                  ":6: Mode \"AM\" is neither NFM (narrow) nor FM (wide)\n"
                  "qv7100-cli: 3 rows of " +
                  plan + " not imported\n");
    const ProgramState state = Opened(out);
    EXPECT_EQ(state.Grid1[2][kColTxFrequency], "453.65000");
    EXPECT_EQ(state.Grid1[3][kColRxFrequency], "459.20000");
}

TEST_F(CliPlans, AFileThatIsNoPlanWritesNothing) {
    const std::string sample = SampleFile().string();
    const std::string out = (dir / "out.DAT").string();
    const struct {
        std::string plan;
        std::string says;
    } cases[] = {
        {Write("names.csv", "Location,Name\n1,x\n").string(),
         "names.csv: the header row has no column Frequency; nothing was imported and " + out +
             " was not written"},
        {Write("empty.csv", "").string(), "the file has no header row"},
        {(dir / "missing.csv").string(), "missing.csv: The file could not be read"},
        {dir.string(), "could not be read; nothing was loaded. (it is a directory)"},
        {Write("unicode.csv", std::string("\xFF\xFEL\0o\0c\0,\0F\0\r\0\n\0", 16)).string(),
         "unicode.csv: the file is written in UTF-16 LE, not in UTF-8: save it as CSV in UTF-8 "
         "and import that; nothing was imported and " +
             out + " was not written"},
    };
    for (const auto& c : cases) {
        const Result result = Run("import-csv " + sample + " " + c.plan + " " + out);
        EXPECT_EQ(result.exitCode, 1) << c.plan;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(out)) << c.plan;
    }
    const std::string plan = Write("plan.csv", "Frequency,Mode\n455,FM\n").string();
    for (const char* option : {" --from-channel 0", " --from-channel 49", " --from-channel x",
                               " --from-channel", " --from-channel 3 --at-location", ""}) {
        const std::string arguments = std::string("import-csv ") + sample + " " + plan +
                                      (*option != '\0' ? " " + out + option : "");
        EXPECT_EQ(Run(arguments).exitCode, 2) << arguments;
        EXPECT_FALSE(fs::exists(out)) << arguments;
    }
}

TEST_F(CliPlans, ExportWritesThePlanAndNotesWhatItDoesNotCarry) {
    const std::string plan = (dir / "plan.csv").string();
    const std::string sample = SampleFile().string();
    const Result result = Run("export-csv " + sample + " " + plan);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Exported 2 channels of " + sample + " to " + plan + "\n");
    EXPECT_EQ(result.err,
              "qv7100-cli: note: channel 33 (G3- 01): busy lockout (Forbid) is on, which the CSV "
              "format does not carry: an import sets it off\n");
    EXPECT_EQ(Read(plan),
              std::string(kHeader) +
                  "1,G1-01,455.125000,+,0.875000,Cross,88.5,67.0,023,NN,023,DTCS->Tone,FM,5.00,,"
                  "High,,,,,\r\n"
                  "33,G3- 01,489.995000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,Low,"
                  ",,,,\r\n");

    // A channel the file cannot hold at all fails the command; the others are written.
    test::ScriptedHost host;
    ProgramState state = StartupState(host, 1);
    state.Grid1[2] = {"G1-02", "4A5.12500", "Off",  "435.12500", "Off",
                      "Hight", "Off",       "Wide", "Have"};
    state.Grid1[3] = {"G1-03", "435.15000", "Off",  "435.15000", "Off",
                      "Hight", "Off",       "Wide", "Have"};
    const Result damaged =
        Run("export-csv " + WriteSetup("damaged.DAT", state).string() + " " + plan);
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_EQ(damaged.err,
              "qv7100-cli: channel 2 (G1-02): left out: the frequency \"4A5.12500\" is not a "
              "number\n"
              "qv7100-cli: channels left out of " +
                  plan + "\n");
    EXPECT_NE(Read(plan).find("\r\n3,G1-03,435.150000,"), std::string::npos);
}

// What one tool exports, the other imports: the same set-up, byte for byte.
TEST_F(CliPlans, AnExportedPlanImportsIntoTheSameSetup) {
    test::ScriptedHost host;
    ProgramState state = StartupState(host, 1);
    state.Combo1 = state.BandIndex = 5;  // 600-620MHz
    state.Grid1[1] = {"G1-01", "610.00625", "D754I",  "605.00625", "D023N",
                      "Low",   "Off",       "Narrow", "No"};
    state.Grid1[2] = {"G1-02", "619.99500", "Off",  "619.99500", "254.1",
                      "Hight", "Off",       "Wide", "Have"};
    state.Grid1[3] = {"G1-03", "600.00000", "67.0", "612.50000", "100.0",
                      "Hight", "Off",       "Wide", "Have"};
    const std::string original = WriteSetup("original.DAT", state).string();
    ClearGrid(state);
    const std::string emptied = WriteSetup("emptied.DAT", state).string();
    const std::string plan = (dir / "plan.csv").string();
    const std::string back = (dir / "back.DAT").string();

    ASSERT_EQ(Run("export-csv " + original + " " + plan).exitCode, 0);
    const Result result = Run("import-csv " + emptied + " " + plan + " " + back);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Read(back), Read(original));
}

// Channels with gaps between them come back where they were with --at-location: the export
// writes each channel's number as its Location.
TEST_F(CliPlans, AnExportedPlanWithGapsImportsAtItsLocationsIntoTheSameChannels) {
    test::ScriptedHost host;
    ProgramState state = StartupState(host, 1);
    state.Grid1[3] = {"G1-03", "435.12500", "67.0",   "436.12500", "D023N",
                      "Low",   "Off",       "Narrow", "No"};
    state.Grid1[5] = {"G1-05", "440.00000", "Off",  "440.00000", "Off",
                      "Hight", "Off",       "Wide", "Have"};
    state.Grid1[16] = {"G1-16", "469.99500", "254.1", "469.99500", "254.1",
                       "Hight", "Off",       "Wide",  "Have"};
    const std::string original = WriteSetup("original.DAT", state).string();
    ClearGrid(state);
    state.Grid1[16] = {"G1-16", "401.00000", "Off",  "401.00000", "Off",
                       "Hight", "Off",       "Wide", "Have"};  // replaced by the import
    const std::string other = WriteSetup("other.DAT", state).string();
    const std::string plan = (dir / "plan.csv").string();
    const std::string back = (dir / "back.DAT").string();

    ASSERT_EQ(Run("export-csv " + original + " " + plan).exitCode, 0);
    const std::string csv = Read(plan);
    for (const char* row : {"\r\n3,G1-03,", "\r\n5,G1-05,", "\r\n16,G1-16,"}) {
        EXPECT_TRUE(test::Contains(csv, row)) << row << csv;
    }
    const Result placed = Run("import-csv " + other + " " + plan + " " + back + " --at-location");
    EXPECT_EQ(placed.exitCode, 0) << placed.err;
    EXPECT_EQ(placed.out, "Imported 3 rows of " + plan +
                              " into channels 3, 5, 16 (replaced: 16); "
                              "wrote " +
                              back + "\n");
    EXPECT_EQ(Read(back), Read(original)) << "the same set-up, byte for byte";

    // Without it the rows fill channels one after the other, as before.
    ASSERT_EQ(Run("import-csv " + other + " " + plan + " " + back).exitCode, 0);
    EXPECT_EQ(Opened(back).Grid1[2][kColRxFrequency], "440.00000");
}

// Where the rows would go is named in the reason a row finds no channel.
TEST_F(CliPlans, RowsThatFindNoChannelSayWhy) {
    test::ScriptedHost host;
    ProgramState state = StartupState(host, 1);
    for (int row = 1; row <= kChannelCount; ++row) test::PutEnglishChannel(state, row);
    const std::string full = WriteSetup("full.DAT", state).string();
    const std::string plan =
        Write("plan.csv", "Location,Frequency,Mode\n1,435.000,FM\n48,435.025,FM\n").string();
    const std::string out = (dir / "out.DAT").string();
    const Result result = Run("import-csv " + full + " " + plan + " " + out);
    EXPECT_EQ(result.exitCode, 1);
    const std::string why =
        ": no channel is empty: all 48 are in use (choose a channel to start from, which replaces "
        "the channels from there, or place each row at its Location)\n";
    EXPECT_EQ(result.err, "qv7100-cli: " + plan + ":2: Location \"1\"" + why +
                              "qv7100-cli: " + plan + ":3: Location \"48\"" + why +
                              "qv7100-cli: 2 rows of " + plan + " not imported\n");
    const Result late = Run("import-csv " + full + " " + plan + " " + out + " --from-channel 48");
    EXPECT_EQ(late.exitCode, 1);
    EXPECT_EQ(late.err, "qv7100-cli: " + plan +
                            ":3: Location \"48\": no channel left: the rows before it filled "
                            "channel(s) 48, up to the last channel (48)\n"
                            "qv7100-cli: 1 row of " +
                            plan + " not imported\n");
}

// An output that is one of the inputs, by whatever path, is refused before anything is read or
// written: the input would be overwritten with another kind of file.
TEST_F(CliPlans, AnOutputThatIsAnInputIsRefused) {
    const std::string sample = SampleFile().string();
    const std::string plan = Write("plan.csv", "Frequency,Mode\n455,FM\n").string();
    fs::create_symlink(dir / "sample.DAT", dir / "link.DAT");
    fs::create_hard_link(dir / "plan.csv", dir / "hard.csv");
    const std::string sampleBytes = Read(sample);
    const std::string planBytes = Read(plan);
    const struct {
        std::string arguments;
        std::string output;
        std::string input;
    } cases[] = {
        {"export-csv " + sample + " " + sample, sample, sample},
        {"export-csv " + sample + " " + (dir / "." / "sample.DAT").string(),
         (dir / "." / "sample.DAT").string(), sample},
        {"export-csv " + sample + " " + (dir / "link.DAT").string(), (dir / "link.DAT").string(),
         sample},
        {"import-csv " + sample + " " + plan + " " + plan, plan, plan},
        {"import-csv " + sample + " " + plan + " " + (dir / "hard.csv").string(),
         (dir / "hard.csv").string(), plan},
        {"import-csv " + sample + " " + plan + " " + sample, sample, sample},
        {"import-csv " + (dir / "link.DAT").string() + " " + plan + " " + sample + " --at-location",
         sample, (dir / "link.DAT").string()},
        {"resave " + sample + " " + (dir / "link.DAT").string(), (dir / "link.DAT").string(),
         sample},
    };
    for (const auto& c : cases) {
        const Result result = Run(c.arguments);
        EXPECT_EQ(result.exitCode, 1) << c.arguments;
        EXPECT_EQ(result.out, "") << c.arguments;
        EXPECT_EQ(result.err, "qv7100-cli: " + c.output + ": this output is the file " + c.input +
                                  ", which the command reads; give another output file. Nothing "
                                  "was written\n")
            << c.arguments;
        EXPECT_EQ(Read(sample), sampleBytes) << c.arguments;
        EXPECT_EQ(Read(plan), planBytes) << c.arguments;
        EXPECT_TRUE(fs::is_symlink(dir / "link.DAT")) << c.arguments;
    }
}

class CliWithRadio : public Cli {
  protected:
    std::unique_ptr<PtyServer> radio;

    void StartRadio(int band, const std::string& fault = "none") {
        test::ScriptedHost host;
        ImageBytes image;
        ASSERT_TRUE(ReadDatFile(SampleFile("radio.DAT"), image).ok());
        radio =
            std::make_unique<PtyServer>(VirtualRadio(image, band, *ParseRadioFault(fault)), false);
        ASSERT_TRUE(radio->Start(nullptr));
    }
    void TearDown() override {
        if (radio) radio->Stop();
        Cli::TearDown();
    }

    // Runs the program with a terminal for its standard input, output and error, as a person at
    // a terminal does, and types `answer` when it asks. Gives what the terminal showed.
    Result RunOnTerminal(const std::vector<std::string>& arguments, const std::string& answer) {
        std::vector<char*> argv = {const_cast<char*>(QV7100_CLI)};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        int terminal = -1;
        const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
        if (child == 0) {
            ::execv(QV7100_CLI, argv.data());
            ::_exit(127);
        }
        std::string shown;
        bool answered = false;
        bool stuck = false;
        char buffer[4096];
        for (;;) {
            pollfd screen = {terminal, POLLIN, 0};
            if (::poll(&screen, 1, 30000) <= 0) {
                stuck = true;
                break;
            }
            const ssize_t count = ::read(terminal, buffer, sizeof buffer);
            if (count <= 0) break;  // the program has ended and its terminal with it
            shown.append(buffer, static_cast<std::size_t>(count));
            if (!answered && shown.find("[y/N] ") != std::string::npos) {
                const std::string typed = answer + "\n";
                EXPECT_EQ(::write(terminal, typed.data(), typed.size()),
                          static_cast<ssize_t>(typed.size()));
                answered = true;
            }
        }
        if (stuck) ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(terminal);
        EXPECT_FALSE(stuck) << shown;
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, shown, ""};
    }
};

// The lines of a failed transfer's report, without the program's name in front.
std::vector<std::string> ReportLines(const std::string& err) {
    std::vector<std::string> lines;
    std::istringstream text(err);
    for (std::string line; std::getline(text, line);) {
        const std::string prefix = "qv7100-cli: ";
        EXPECT_EQ(line.rfind(prefix, 0), 0u) << line;
        lines.push_back(line.substr(std::min(prefix.size(), line.size())));
    }
    return lines;
}

TEST_F(CliWithRadio, ReadSavesWhatTheRadioHolds) {
    StartRadio(1);
    const Result result =
        Run("read --port " + radio->DevicePath() + " " + (dir / "read.DAT").string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Read(dir / "read.DAT"), Read(dir / "radio.DAT"));
}

TEST_F(CliWithRadio, ReadResolvesComPortsThroughTheEnvironment) {
    StartRadio(1);
    ::setenv("QV7100_COM5", radio->DevicePath().c_str(), 1);
    const Result result = Run("read --port COM5 " + (dir / "read.DAT").string());
    ::unsetenv("QV7100_COM5");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(fs::exists(dir / "read.DAT"));
}

// The line that says what a transfer did is its report: when it cannot be written the command
// fails, though the radio was read (the file is saved) or written.
TEST_F(CliWithRadio, TransfersFailWhenTheirLineCannotBeWritten) {
    StartRadio(1);
    const Result read =
        Run("read --port " + radio->DevicePath() + " " + (dir / "read.DAT").string(), "/dev/full");
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_NE(read.err.find("qv7100-cli: cannot write to standard output"), std::string::npos)
        << read.err;
    EXPECT_EQ(Read(dir / "read.DAT"), Read(dir / "radio.DAT"));

    const Result write =
        Run("write --port " + radio->DevicePath() + " " + SampleFile().string(), "/dev/full");
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_NE(write.err.find("qv7100-cli: cannot write to standard output"), std::string::npos)
        << write.err;
    EXPECT_EQ(radio->Snapshot().blocksWritten.size(), 88u);
}

TEST_F(CliWithRadio, AFailedReadCreatesNoFile) {
    StartRadio(1, "no-reply:3");
    const Result result =
        Run("read --port " + radio->DevicePath() + " " + (dir / "read.DAT").string());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Communication error"), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(dir / "read.DAT"));
}

// The radio answered a read that had already given up; the bytes wait on the line until the
// next read opens it.
TEST_F(CliWithRadio, AReadAfterALateAnswerIsNotSpoiledByIt) {
    StartRadio(1);
    const std::vector<std::uint8_t> late = {0x57, 0x00, 0x50, 0x40, 0x12, 0x34, 0x06};
    ASSERT_TRUE(radio->SendUnasked(late));
    const Result result =
        Run("read --port " + radio->DevicePath() + " " + (dir / "read.DAT").string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Read(dir / "read.DAT"), Read(dir / "radio.DAT"));
}

// The message the program shows, then the device and what went wrong, and after a write that had
// sent data, that the radio should be written again.
TEST_F(CliWithRadio, AFailedTransferSaysWhereItStoppedAndOnWhichDevice) {
    const struct {
        const char* fault;
        bool write;
        const char* reason;
        bool writeAgain;
    } cases[] = {
        {"silent", false,
         "no answer to the handshake: is the radio switched on and the cable plugged in?", false},
        {"wrong-model", true, "another model answered: its identification is not a QV-7100's",
         false},
        {"no-reply:5", false, "the radio gave no valid answer to read request 5", false},
        {"no-reply:30", true, "the radio gave no valid answer to write frame 30", true},
        {"cable-pulled:7", false,
         "the serial device went away (cable or adapter unplugged?) at read request 7", false},
        {"cable-pulled:40", true,
         "the serial device went away (cable or adapter unplugged?) at write frame 41", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        StartRadio(1, c.fault);
        const Result result =
            Run((c.write ? "write --port " : "read --port ") + radio->DevicePath() + " " +
                (c.write ? SampleFile().string() : (dir / "read.DAT").string()));
        EXPECT_EQ(result.exitCode, 1);
        const std::vector<std::string> lines = ReportLines(result.err);
        ASSERT_EQ(lines.size(), c.writeAgain ? 3u : 2u) << result.err;
        EXPECT_EQ(lines[0], std::string(c.write ? "write" : "read") +
                                " failed: " + "Communication error, please check the intercom " +
                                "model, fault, attachment and computer serial choice!");
        EXPECT_EQ(lines[1], radio->DevicePath() + ": " + c.reason);
        if (c.writeAgain) {
            EXPECT_EQ(lines[2],
                      "the radio may now hold a mix of its old and the new set-up: write it again");
        }
        radio->Stop();
    }
    EXPECT_FALSE(fs::exists(dir / "read.DAT"));
}

TEST_F(CliWithRadio, AMissingPortIsExplained) {
    const Result result =
        Run("read --port /dev/qv7100-nothing-here " + (dir / "read.DAT").string());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("/dev/qv7100-nothing-here"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("There is no serial port /dev/qv7100-nothing-here on this computer"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.find("other programs"), std::string::npos) << result.err;
}

TEST_F(CliWithRadio, ReadRefusesAnOutputItCannotSaveBeforeTalkingToTheRadio) {
    StartRadio(1);
    fs::create_directories(dir / "folder.DAT");
    const struct {
        const char* port;  // nothing: the virtual radio
        const char* out;
        const char* reason;
    } cases[] = {
        {nullptr, "missing/read.DAT", "The folder to save into does not exist"},
        {nullptr, "folder.DAT", "is a directory"},
        // Were the port opened first, its absence would be the reason given.
        {"/dev/qv7100-nothing-here", "missing/read.DAT", "The folder to save into does not exist"},
    };
    for (const auto& c : cases) {
        const std::string port = c.port ? c.port : radio->DevicePath();
        const Result result = Run("read --port " + port + " " + (dir / c.out).string());
        EXPECT_EQ(result.exitCode, 1) << c.out;
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find("serial port"), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    EXPECT_EQ(radio->Snapshot().sessions, 0) << "the radio never heard a handshake";
    EXPECT_FALSE(fs::exists(dir / "missing"));
}

TEST_F(CliWithRadio, WriteAsksAboutAnotherBand) {
    StartRadio(4);
    const std::string arguments =
        "write --port " + radio->DevicePath() + " " + SampleFile().string();
    const Result declined = Run(arguments);
    EXPECT_EQ(declined.exitCode, 1);
    EXPECT_NE(declined.err.find("350-370MHz radio and the set-up is for 450-490MHz"),
              std::string::npos)
        << declined.err;
    // Standard input is no terminal: nobody was asked, and the reason says how to go on.
    EXPECT_NE(declined.err.find("without asking (standard input is not a terminal)"),
              std::string::npos)
        << declined.err;
    EXPECT_NE(declined.err.find("--yes writes it anyway"), std::string::npos) << declined.err;
    EXPECT_EQ(declined.err.find("[y/N]"), std::string::npos) << declined.err;
    EXPECT_TRUE(radio->Snapshot().blocksWritten.empty());
    const Result written = Run(arguments + " --yes");
    EXPECT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(radio->Snapshot().blocksWritten.size(), 88u);
}

// At a terminal the question is put, default No, and the progress line ends at 100 %.
TEST_F(CliWithRadio, WriteAsksAtATerminal) {
    const struct {
        const char* typed;
        int exitCode;
        std::size_t blocksWritten;
        const char* says;
    } cases[] = {
        {"y", 0, 88, "100 % complete"},
        {"YES", 0, 88, "Wrote "},
        {"n", 1, 0, "write declined: the radio is a 350-370MHz radio"},
        {"", 1, 0, "write declined: the radio is a 350-370MHz radio"},
        {"maybe", 1, 0, "write declined"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        StartRadio(4);
        const Result result =
            RunOnTerminal({"write", "--port", radio->DevicePath(), SampleFile().string()}, c.typed);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.out;
        EXPECT_NE(
            result.out.find("\nFrequency band with discrepancies, do you wish to continue? [y/N] "),
            std::string::npos)
            << result.out;
        EXPECT_NE(result.out.find(c.says), std::string::npos) << result.out;
        EXPECT_EQ(result.out.find("--yes"), std::string::npos) << "the user was asked";
        EXPECT_EQ(radio->Snapshot().blocksWritten.size(), c.blocksWritten);
        radio->Stop();
    }
}

TEST_F(CliWithRadio, WriteWithCalibrationAccessSendsTheCalibrationBlock) {
    StartRadio(1);
    const Result result = Run("write --unlock-calibration --port " + radio->DevicePath() + " " +
                              SampleFile().string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(radio->Snapshot().blocksWritten.size(), 89u);
}

TEST_F(Cli, SimulateServesUntilInterrupted) {
    int output[2];
    ASSERT_EQ(::pipe(output), 0);
    const pid_t simulator = ::fork();
    if (simulator == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::close(output[0]);
        ::execl(QV7100_CLI, QV7100_CLI, "simulate", "--band", "5", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(output[1]);
    FILE* lines = ::fdopen(output[0], "r");
    char line[256] = {};
    ASSERT_NE(std::fgets(line, sizeof line, lines), nullptr);
    std::string device(line);
    device.erase(device.find_last_not_of('\n') + 1);
    const Result result = Run("read --port " + device + " " + (dir / "read.DAT").string());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("600-620MHz"), std::string::npos) << result.out;
    ::kill(simulator, SIGINT);
    int status = 0;
    ::waitpid(simulator, &status, 0);
    std::fclose(lines);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
}  // namespace qv
