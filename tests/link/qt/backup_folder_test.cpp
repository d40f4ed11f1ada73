// The command line finds the backup folder without Qt; the desktop program asks QStandardPaths for
// its data folder. For a program named as its data folder ("qv7100", the name the desktop program
// gives itself), both must be the same folder, or the two would keep two sets of backups.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStandardPaths>

#include <cstdlib>
#include <string>

#include "rules/backups/backups.h"
#include "rules/program/program_files.h"

namespace qv {
namespace {

TEST(BackupFolder, IsTheDesktopProgramsDataFolder) {
    int argc = 1;
    char name[] = "qv_backup_folder_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QString::fromUtf8(kDataFolderName));
    const auto environment = [](const std::string& variable) -> std::optional<std::string> {
        const char* value = std::getenv(variable.c_str());
        return value == nullptr ? std::nullopt : std::optional<std::string>(value);
    };
    for (const char* xdg : {"/tmp/qv-xdg-data", ""}) {
        SCOPED_TRACE(xdg);
        if (*xdg != '\0') {
            qputenv("XDG_DATA_HOME", xdg);
        } else {
            qunsetenv("XDG_DATA_HOME");
        }
        const QString desktop =
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/backups";
        EXPECT_EQ(BackupFolder(environment).string(), desktop.toStdString());
    }
}

}  // namespace
}  // namespace qv
