// Set-up files of either kind, by their names: opened, read as an image and saved alike.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "image/image_codec.h"
#include "rules/program/file_commands.h"
#include "rules/program/startup.h"
#include "rules/setup_text/setup_files.h"
#include "support/quiet_host.h"
#include "support/random_setup.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

class SetupFiles : public ::testing::Test {
  protected:
    std::filesystem::path folder;

    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("qv-setup-files-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    static std::string Contents(const std::filesystem::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    std::filesystem::path Write(const std::string& name, std::string_view text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return folder / name;
    }
};

TEST_F(SetupFiles, TheKindIsTheNamesExtensionInAnyCase) {
    const struct {
        const char* name;
        SetupFileKind kind;
        bool setupFile;
    } cases[] = {
        {"shop.DAT", SetupFileKind::Image, true}, {"shop.dat", SetupFileKind::Image, true},
        {"shop.yaml", SetupFileKind::Text, true}, {"shop.YML", SetupFileKind::Text, true},
        {"shop.Yaml", SetupFileKind::Text, true}, {"shop.yaml.DAT", SetupFileKind::Image, true},
        {"shop", SetupFileKind::Image, false},    {"shop.txt", SetupFileKind::Image, false},
        {".yaml", SetupFileKind::Image, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SetupFileKindOf(c.name), c.kind) << c.name;
        EXPECT_EQ(HasSetupFileExtension(c.name), c.setupFile) << c.name;
    }
}

TEST_F(SetupFiles, ATextSavedAndOpenedIsTheSetupAndTheImageSaveWrites) {
    test::RandomSetups setups(17);
    test::QuietHost host;
    ProgramState shown = StartupState(host, 1);
    static_cast<qv::Setup&>(shown) = setups.Next();
    const std::filesystem::path text = folder / "shop.yaml";
    const SetupFileSaved saved = SaveAnySetupFile(text, shown);
    ASSERT_TRUE(saved.status.ok());
    EXPECT_TRUE(saved.refused.empty());
    EXPECT_EQ(Contents(text), WriteSetupText(shown).text);

    ProgramState opened = StartupState(host, 0);
    const SetupFileRead read = OpenAnySetupFile(text, opened, host);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(EncodeImage(opened), EncodeImage(shown));
    ImageBytes image{};
    ASSERT_TRUE(ReadAnySetupImage(text, image).ok());
    EXPECT_EQ(image, EncodeImage(shown));

    // A *.DAT by the same functions is what Open and Save have always done.
    const std::filesystem::path dat = folder / "shop.DAT";
    ASSERT_TRUE(SaveAnySetupFile(dat, shown).status.ok());
    ProgramState fromDat = StartupState(host, 0);
    ASSERT_TRUE(OpenAnySetupFile(dat, fromDat, host).ok());
    EXPECT_EQ(EncodeImage(fromDat), EncodeImage(shown));
}

TEST_F(SetupFiles, OpeningATextRunsThePriorityRulesAsOpeningAnImageDoes) {
    // Priority "Fixed" with no channel among 1 to 16 in use: the dialog's list goes back to "none"
    // with its message, while the held value stays, as for a *.DAT.
    const std::filesystem::path text =
        Write("fixed.yaml", "format: 1\noptional_functions:\n  priority: Fixed\n");
    test::ScriptedHost host;
    ProgramState state = StartupState(host, 1);
    ASSERT_TRUE(OpenAnySetupFile(text, state, host).ok());
    EXPECT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(state.Form5.Combo11, 0);
    EXPECT_EQ(state.OptionText[option_text::kPriorityMode], "1");
}

TEST_F(SetupFiles, ARefusedTextChangesNothing) {
    test::QuietHost host;
    ProgramState state = StartupState(host, 1);
    state.Grid1[5][kColRxFrequency] = "435.00000";
    const ProgramState before = state;
    // One error among good values: none of them is taken.
    const std::filesystem::path text =
        Write("bad.yaml",
              "format: 1\nband: 450-490MHz\ncalibration:\n  high_power: 1\n  low_power: 300\n");
    const SetupFileRead read = OpenAnySetupFile(text, state, host);
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.status.ok());
    ASSERT_EQ(read.text.errors.size(), 1u);
    EXPECT_EQ(read.text.errors[0].line, 5);
    EXPECT_EQ(static_cast<const qv::Setup&>(state), static_cast<const qv::Setup&>(before));
}

TEST_F(SetupFiles, AHundredMegabyteFileIsRefusedWithoutBeingRead) {
    const std::filesystem::path huge = folder / "huge.yaml";
    std::ofstream(huge, std::ios::binary) << "format: 1\n";
    std::filesystem::resize_file(huge, 100u << 20);
    test::QuietHost host;
    ProgramState state = StartupState(host, 1);
    const ProgramState before = state;
    const SetupFileRead read = OpenAnySetupFile(huge, state, host);
    ASSERT_EQ(read.text.errors.size(), 1u);
    EXPECT_EQ(read.text.errors[0].id, SetupTextId::FileTooLarge);
    EXPECT_EQ(read.text.errors[0].values[0], std::to_string(100u << 20));
    EXPECT_EQ(static_cast<const qv::Setup&>(state), static_cast<const qv::Setup&>(before));
}

TEST_F(SetupFiles, AFolderOrAMissingFileIsNoSetup) {
    std::filesystem::create_directories(folder / "folder.yaml");
    ImageBytes image{};
    for (const char* name : {"folder.yaml", "missing.yaml"}) {
        const SetupFileRead read = ReadAnySetupImage(folder / name, image);
        EXPECT_FALSE(read.ok()) << name;
        EXPECT_EQ(read.status.message(), MessageId::FileUnreadable) << name;
    }
}

}  // namespace
}  // namespace qv
