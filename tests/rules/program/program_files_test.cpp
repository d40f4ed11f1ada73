#include "rules/program/program_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace qv {
namespace {

namespace fs = std::filesystem;

// A prefix laid out as an install would, or as a build folder is: files and folders made under
// it by relative name.
class ProgramFiles : public ::testing::Test {
  protected:
    fs::path root;

    void SetUp() override {
        root = fs::temp_directory_path() /
               ("qv-program-files-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "bin");
    }
    void TearDown() override { fs::remove_all(root); }

    void Make(const std::vector<std::string>& files) {
        for (const std::string& name : files) {
            if (name.ends_with('/')) {
                fs::create_directories(root / name);
                continue;
            }
            fs::create_directories((root / name).parent_path());
            std::ofstream(root / name) << "x";
        }
    }
    fs::path Bin() const { return root / "bin"; }
};

TEST_F(ProgramFiles, AProgramIsInstalledWhenItsDataFolderLiesBesideIt) {
    const struct {
        std::vector<std::string> made;
        bool installed;
    } cases[] = {
        {{"share/qv7100/"}, true},
        {{"share/qv7100/manual/qv7100-manual.en.html"}, true},
        {{}, false},                     // a build folder
        {{"share/other/"}, false},       // another program's data
        {{"share/qv7100"}, false},       // a file of that name is no data folder
        {{"bin/share/qv7100/"}, false},  // inside the program's folder, not beside it
    };
    for (const auto& c : cases) {
        fs::remove_all(root);
        fs::create_directories(Bin());
        Make(c.made);
        const std::optional<fs::path> data = InstalledDataFolder(Bin());
        EXPECT_EQ(data.has_value(), c.installed) << (c.made.empty() ? "nothing" : c.made[0]);
        if (data) {
            EXPECT_TRUE(fs::equivalent(*data, root / "share/qv7100"));
        }
    }
}

TEST_F(ProgramFiles, AnInstalledProgramNeverKeepsItsSettingsBesideItself) {
    const struct {
        bool installed;
        bool writable;
        ParameterPlace place;
    } cases[] = {
        {false, true, ParameterPlace::BesideTheProgram},  // a build folder
        {false, false, ParameterPlace::SettingsFolder},   // copied into a read-only folder
        {true, false, ParameterPlace::SettingsFolder},    // installed, an ordinary user
        {true, true, ParameterPlace::SettingsFolder},     // installed, run by root
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParameterFilePlace(c.installed, c.writable), c.place)
            << "installed " << c.installed << ", writable " << c.writable;
    }
}

TEST_F(ProgramFiles, HelpOpensTheCompiledHelpFirstAndOtherwiseTheManualOfTheLanguage) {
    const std::string zh = "manual/qv7100-manual.zh_CN.html";
    const std::string en = "manual/qv7100-manual.en.html";
    const struct {
        const char* what;
        std::vector<std::string> made;  // under the prefix: bin/ is the program's folder
        Language language;
        std::optional<std::string> opened;
    } cases[] = {
        {"help file beside the program",
         {"bin/QV-7100.CHM", "bin/" + zh},
         Language::Chinese,
         "bin/QV-7100.CHM"},
        {"help file in the data folder before a manual beside the program",
         {"share/qv7100/QV-7100.CHM", "bin/" + en},
         Language::English,
         "share/qv7100/QV-7100.CHM"},
        {"beside the program before the data folder",
         {"bin/QV-7100.CHM", "share/qv7100/QV-7100.CHM"},
         Language::Chinese,
         "bin/QV-7100.CHM"},
        {"Chinese manual beside the program (a build)",
         {"bin/" + zh, "bin/" + en},
         Language::Chinese,
         "bin/" + zh},
        {"English manual beside the program",
         {"bin/" + zh, "bin/" + en},
         Language::English,
         "bin/" + en},
        {"English manual of an installed program",
         {"share/qv7100/" + zh, "share/qv7100/" + en},
         Language::English,
         "share/qv7100/" + en},
        {"a folder named like the help file is no help file",
         {"bin/QV-7100.CHM/", "share/qv7100/" + zh},
         Language::Chinese,
         "share/qv7100/" + zh},
        {"only the other language's manual",
         {"share/qv7100/" + zh},
         Language::English,
         std::nullopt},
        {"nothing at all", {"share/qv7100/"}, Language::Chinese, std::nullopt},
    };
    for (const auto& c : cases) {
        fs::remove_all(root);
        fs::create_directories(Bin());
        Make(c.made);
        const std::optional<fs::path> help =
            HelpToOpen(Bin(), InstalledDataFolder(Bin()), c.language);
        ASSERT_EQ(help.has_value(), c.opened.has_value()) << c.what;
        if (help) {
            EXPECT_TRUE(fs::equivalent(*help, root / *c.opened)) << c.what;
        }
    }
}

}  // namespace
}  // namespace qv
