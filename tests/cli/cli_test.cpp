// qv7100-cli as a user runs it: real files, real exit codes, a virtual radio on a pseudo-terminal.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "image/image_codec.h"
#include "mainwindow/dat_file.h"
#include "mainwindow/startup.h"
#include "sim/pty_server.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

struct Result {
    int exitCode;
    std::string out;
    std::string err;
};

class Cli : public ::testing::Test {
  protected:
    fs::path dir;

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("qv-cli-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string Read(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    Result Run(const std::string& arguments) const {
        const std::string command = std::string(QV7100_CLI) + " " + arguments + " >" +
                                    (dir / "out").string() + " 2>" + (dir / "err").string();
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Read(dir / "out"), Read(dir / "err")};
    }

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
        const ImageBytes image = EncodeImageBytes(state);
        std::ofstream(dir / name, std::ios::binary)
            << kDatSignature << std::string(image.begin(), image.end());
        return dir / name;
    }
};

TEST_F(Cli, NewSavesTheStartupSetup) {
    const Result result = Run("new " + (dir / "new.DAT").string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    test::ScriptedHost host;
    const ImageBytes image = EncodeImageBytes(StartupState(host));
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
    for (const char* command : {"--help", "new --help", "resave --help", "show --help",
                                "read --help", "write --help", "simulate --help"}) {
        const Result result = Run(command);
        EXPECT_EQ(result.exitCode, 0) << command;
        EXPECT_NE(result.out.find("Usage"), std::string::npos) << command;
    }
    EXPECT_NE(Run("simulate --help").out.find("cable-pulled:N"), std::string::npos);
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
};

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

TEST_F(CliWithRadio, AFailedReadCreatesNoFile) {
    StartRadio(1, "no-reply:3");
    const Result result =
        Run("read --port " + radio->DevicePath() + " " + (dir / "read.DAT").string());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Communication error"), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(dir / "read.DAT"));
}

TEST_F(CliWithRadio, AMissingPortIsExplained) {
    const Result result =
        Run("read --port /dev/qv7100-nothing-here " + (dir / "read.DAT").string());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("/dev/qv7100-nothing-here"), std::string::npos) << result.err;
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
    const Result written = Run(arguments + " --yes");
    EXPECT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(radio->Snapshot().blocksWritten.size(), 88u);
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
