// Where the program keeps its settings, run from a build folder or installed: an installed program
// writes nothing beside itself, even when it could (as root can).
#include <gtest/gtest.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>

#include <filesystem>
#include <set>
#include <string>

#include "gui/gui_test_support.h"
#include "gui/shell/program.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

QString Q(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// A prefix with a program folder, and a home of its own for the user's settings.
class ProgramPathsTest : public test::GuiTest {
  protected:
    fs::path bin, settings;

    void SetUp() override {
        GuiTest::SetUp();
        bin = folder / "usr/bin";
        settings = folder / "home/.config";
        fs::create_directories(bin);
    }

    // The paths of the program in `bin` for a user whose settings folder is `settings`. Only the
    // lookup sees that folder: the fonts the windows load later read their own settings.
    ProgramPaths Locate() {
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(settings.string()));
        ProgramPaths paths = LocateProgramPaths(Q(bin));
        if (saved.isEmpty()) {
            qunsetenv("XDG_CONFIG_HOME");
        } else {
            qputenv("XDG_CONFIG_HOME", saved);
        }
        return paths;
    }

    // Runs the program found in `bin` as a user would: start, change the language, quit.
    void RunAndQuit(const ProgramPaths& paths) {
        program = std::make_unique<Program>(paths);
        window = std::make_unique<MainWindow>(*program);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        Action("mnuEnglish")->trigger();
        window->close();
        window.reset();
        program.reset();
    }
};

TEST_F(ProgramPathsTest, AnInstalledProgramKeepsItsSettingsInTheUsersFolderEvenWhenItCouldWrite) {
    fs::create_directories(folder / "usr/share/qv7100/manual");
    ASSERT_EQ(::access(bin.c_str(), W_OK), 0) << "the program's folder may be written, as by root";
    const ProgramPaths paths = Locate();
    EXPECT_EQ(QDir(paths.dataFolder).canonicalPath(),
              QDir(Q(folder / "usr/share/qv7100")).canonicalPath());
    const fs::path parameter =
        settings / QCoreApplication::applicationName().toStdString() / "parameter";
    EXPECT_EQ(paths.parameterFile, Q(parameter));
    EXPECT_EQ(paths.writeOptionsFile, Q(parameter.parent_path() / "qv7100.conf"));
    RunAndQuit(paths);
    EXPECT_TRUE(Names(bin).empty()) << "nothing written beside the installed program";
    EXPECT_EQ(ReadParameterFile(parameter), (Parameters{0, 0, 1}));
}

TEST_F(ProgramPathsTest, AProgramInABuildFolderKeepsItsSettingsBesideItself) {
    const ProgramPaths paths = Locate();
    EXPECT_TRUE(paths.dataFolder.isEmpty());
    EXPECT_EQ(paths.parameterFile, Q(bin / "parameter"));
    EXPECT_EQ(paths.writeOptionsFile, Q(bin / "qv7100.conf"));
    RunAndQuit(paths);
    EXPECT_EQ(Names(bin), std::set<std::string>({"parameter"}));
    EXPECT_EQ(ReadParameterFile(bin / "parameter"), (Parameters{0, 0, 1}));
    EXPECT_FALSE(fs::exists(settings / QCoreApplication::applicationName().toStdString()));
}

}  // namespace
}  // namespace qv
