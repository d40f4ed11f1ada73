#include "gui/shell/program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <optional>
#include <utility>

#include "gui/shell/local_path.h"
#include "rules/program/parameter_file.h"
#include "rules/program/program_files.h"
#include "rules/program/startup.h"

namespace qv {

ProgramPaths LocateProgramPaths(const QString& programFolder) {
    ProgramPaths paths;
    paths.programFolder = programFolder;
    const std::optional<std::filesystem::path> data = InstalledDataFolder(LocalPath(programFolder));
    if (data) paths.dataFolder = QtPath(*data);
    QString settings = programFolder;
    if (ParameterFilePlace(data.has_value(), QFileInfo(programFolder).isWritable()) !=
        ParameterPlace::BesideTheProgram) {
        settings = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QDir().mkpath(settings);
    }
    paths.parameterFile = QDir(settings).filePath(QString::fromLatin1(kParameterFileName));
    paths.writeOptionsFile = QDir(settings).filePath(QString::fromLatin1(kWriteOptionsFileName));
    // Backups are the user's, wherever the program lies; the command line finds the same folder.
    paths.backupFolder = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                             .filePath(QStringLiteral("backups"));
    return paths;
}

ProgramPaths LocateProgramPaths() {
    return LocateProgramPaths(QCoreApplication::applicationDirPath());
}

Program::Program(ProgramPaths paths) : paths_(std::move(paths)), messageBox_(state_) {
    const Parameters stored = ReadParameterFile(LocalPath(paths_.parameterFile));
    state_ = StartupState(messageBox_, stored);
    writeOptions_ = ReadWriteOptions(LocalPath(paths_.writeOptionsFile));
    qtTexts_.Follow(state_.LanguageIsEnglish);
    history_ =
        std::make_unique<SetupHistory>(state_, [this](Changes changes) { Changed(changes); });
}

Status Program::SetOptions(const WriteOptions& options) {
    writeOptions_ = options;
    return WriteWriteOptionsFile(LocalPath(paths_.writeOptionsFile), options);
}

void Program::Changed(Changes changes) {
    if (changes.Has(StatePart::Language)) qtTexts_.Follow(state_.LanguageIsEnglish);
    if (!changes.Empty()) emit StateChanged(changes);
    history_->Notice(changes);
}

}  // namespace qv
