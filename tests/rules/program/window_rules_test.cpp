// The rules behind the main window's commands: parameter file, lock, language, New, toolbar keys.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "i18n/msgbox.h"
#include "image/image_test_support.h"
#include "rules/program/file_commands.h"
#include "rules/channels/grid_rules.h"
#include "rules/program/language_rules.h"
#include "rules/channels/lock_rules.h"
#include "rules/program/parameter_file.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class ParameterFileTest : public ::testing::Test {
  protected:
    fs::path file = fs::temp_directory_path() /
                    ("qv-parameter-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void TearDown() override { fs::remove(file); }
    void Write(const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }
};

TEST_F(ParameterFileTest, ReadsMissingBytesAsZero) {
    const struct {
        const char* what;
        std::string bytes;  // empty and absent both read 0 0 0
        Parameters expected;
    } cases[] = {
        {"empty", "", {0, 0, 0}},
        {"lock only", std::string("\x01", 1), {1, 0, 0}},
        {"lock and port", std::string("\x01\x03", 2), {1, 3, 0}},
        {"all three", std::string("\x01\x03\x01", 3), {1, 3, 1}},
        {"longer", std::string("\x00\x08\x01\x07\x07", 5), {0, 8, 1}},
    };
    EXPECT_EQ(ReadParameterFile(file), (Parameters{0, 0, 0})) << "no file";
    for (const auto& c : cases) {
        Write(c.bytes);
        EXPECT_EQ(ReadParameterFile(file), c.expected) << c.what;
    }
}

TEST_F(ParameterFileTest, WritesThreeBytesAndRefusesAnUnwritablePlace) {
    ASSERT_TRUE(WriteParameterFile(file, {1, 3, 1}).ok());
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes, std::string("\x01\x03\x01", 3));
    const Status refused = WriteParameterFile(file / "inside-a-file", {0, 0, 0});
    EXPECT_EQ(refused.message(), MessageId::SettingsNotKept);
}

TEST(StoredParameters, RestoreLockPortAndLanguage) {
    test::ScriptedHost host;
    const ProgramState locked = StartupState(host, Parameters{1, 3, 1});
    EXPECT_TRUE(locked.mnulockChecked);
    EXPECT_FALSE(locked.Frame1Enabled);
    EXPECT_FALSE(locked.Frame2Enabled);
    EXPECT_FALSE(locked.Grid1Enabled);
    EXPECT_EQ(locked.CommPortNumber, 3);
    EXPECT_FALSE(locked.mnucomChecked[3]) << "no port item is marked at start";
    EXPECT_EQ(locked.LanguageIsEnglish, 1);
    EXPECT_EQ(ParametersOf(locked), (Parameters{1, 3, 1}));

    const ProgramState odd = StartupState(host, Parameters{2, 0, 0});
    EXPECT_FALSE(odd.mnulockChecked) << "a lock byte of 2 leaves the window as created";
    EXPECT_TRUE(odd.Frame1Enabled && odd.Frame2Enabled && odd.Grid1Enabled);
    EXPECT_EQ(ParametersOf(odd), (Parameters{0, 0, 0}));
    EXPECT_TRUE(host.shown.empty());
}

TEST(LockCommand, TwoClicksReturnToUnlocked) {
    Session session;
    EXPECT_EQ(ToggleLock(session), Changes(StatePart::Lock));
    EXPECT_TRUE(session.mnulockChecked);
    EXPECT_FALSE(session.Frame1Enabled || session.Frame2Enabled || session.Grid1Enabled);
    (void)ToggleLock(session);
    EXPECT_FALSE(session.mnulockChecked);
    EXPECT_TRUE(session.Frame1Enabled && session.Frame2Enabled && session.Grid1Enabled);
}

class WindowCommands : public test::StartedProgram {
  protected:
    void AddChannel(int row) {
        state.Grid1[row] = {state.Grid1[row][0],
                            "435.12500",
                            "关闭",
                            "435.12500",
                            "D023N",
                            "高",
                            "载波",
                            "宽带",
                            "无"};
        state.ChannelFlags[row] = {0, 0, 0, 0, 51, 1, 1, 1, 0, 0, 0, 0};
    }
};

TEST_F(WindowCommands, LanguageCommandsActOnlyFromTheOtherLanguage) {
    AddChannel(2);
    EXPECT_TRUE(ChooseLanguage(state, false).Empty()) << "Chinese already";
    EXPECT_EQ(ChooseLanguage(state, true), StatePart::Language | StatePart::Grid);
    EXPECT_EQ(state.LanguageIsEnglish, 1);
    const std::array<std::string, 9> english = {state.Grid1[2][0], "435.12500", "Off",
                                                "435.12500",       "D023N",     "Hight",
                                                "Carrow",          "Wide",      "No"};
    EXPECT_EQ(state.Grid1[2], english) << "only list cells and no-tone cells change";
    EXPECT_TRUE(state.Grid1[3][kColPower].empty()) << "empty channels stay empty";
    EXPECT_TRUE(ChooseLanguage(state, true).Empty());

    state.LanguageIsEnglish = 2;  // from a parameter file the program did not write
    EXPECT_TRUE(ChooseLanguage(state, false).Empty());
    EXPECT_TRUE(ChooseLanguage(state, true).Empty());
    EXPECT_EQ(state.LanguageIsEnglish, 2);
}

TEST_F(WindowCommands, NewAsksAndEmptiesTheChannelsInUseKeepingTheirFlags) {
    AddChannel(1);
    AddChannel(48);
    state.Grid1[7][kColPower] = "高";  // not a channel: no receive frequency
    host.answers = {kIdCancel};
    EXPECT_TRUE(NewCommand(state, host).Empty());
    EXPECT_FALSE(state.Grid1[1][kColRxFrequency].empty());
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].style, kStyleOkCancelExclamation);
    EXPECT_EQ(host.shown[0].title, "警告");

    host.answers = {kIdOk};
    EXPECT_EQ(NewCommand(state, host), Changes(StatePart::Grid));
    for (int row : {1, 48}) {
        for (int column = 1; column <= 8; ++column) EXPECT_TRUE(state.Grid1[row][column].empty());
        EXPECT_EQ(state.ChannelFlags[row][kColTxTone], 51) << "ChannelFlags stay";
        EXPECT_EQ(state.Grid1[row][0].empty(), false) << "the row label stays";
    }
    EXPECT_EQ(state.Grid1[7][kColPower], "高") << "rows that were no channel are left alone";
}

TEST_F(WindowCommands, OverwriteQuestionAndSavedTitle) {
    state.LanguageIsEnglish = 1;
    host.answers = {kIdNo, kIdYes};
    EXPECT_FALSE(ConfirmOverwrite(state, host));
    EXPECT_TRUE(ConfirmOverwrite(state, host));
    EXPECT_EQ(host.shown[0].text, "This file already exists, whether to cover?");
    EXPECT_EQ(host.shown[0].style, kStyleYesNoQuestion);
    EXPECT_EQ(SavedWindowTitle("C:\\radios\\shop.DAT"), "QV-7100-C:\\radios\\shop.DAT");
}

}  // namespace
}  // namespace qv
