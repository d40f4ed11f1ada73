// The command line finds the backup folder without Qt; the desktop program asks QStandardPaths for
// its data folder. Both must be the same folder, or the two would keep two sets of backups: the
// test asks each program's own way, with the name the desktop program gives itself.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "gui/shell/local_path.h"
#include "gui/shell/program.h"
#include "rules/backups/backups.h"
#include "rules/program/program_files.h"

namespace qv {
namespace {

TEST(BackupFolder, TheCommandLineKeepsBackupsWhereTheDesktopProgramDoes) {
    int argc = 1;
    char name[] = "qv_backup_folder_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QString::fromUtf8(kDataFolderName));
    for (const char* xdg : {"/tmp/qv-xdg-data", ""}) {
        SCOPED_TRACE(xdg);
        if (*xdg != '\0') {
            qputenv("XDG_DATA_HOME", xdg);
        } else {
            qunsetenv("XDG_DATA_HOME");
        }
        const ProgramPaths desktop = LocateProgramPaths(QDir::tempPath());
        EXPECT_EQ(UserBackupFolder(), LocalPath(desktop.backupFolder));
    }
}

}  // namespace
}  // namespace qv
