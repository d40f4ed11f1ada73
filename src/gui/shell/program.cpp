#include "gui/shell/program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <optional>
#include <utility>

#include "rules/program/parameter_file.h"
#include "rules/program/program_files.h"
#include "rules/program/startup.h"

namespace qv {

namespace {

std::filesystem::path LocalPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

ProgramPaths LocateProgramPaths(const QString& programFolder) {
    ProgramPaths paths;
    paths.programFolder = programFolder;
    const std::optional<std::filesystem::path> data = InstalledDataFolder(LocalPath(programFolder));
    if (data) paths.dataFolder = QFile::decodeName(QByteArray::fromStdString(data->string()));
    const QString name = QString::fromLatin1(kParameterFileName);
    if (ParameterFilePlace(data.has_value(), QFileInfo(programFolder).isWritable()) ==
        ParameterPlace::BesideTheProgram) {
        paths.parameterFile = QDir(programFolder).filePath(name);
        return paths;
    }
    const QString settings = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(settings);
    paths.parameterFile = QDir(settings).filePath(name);
    return paths;
}

ProgramPaths LocateProgramPaths() {
    return LocateProgramPaths(QCoreApplication::applicationDirPath());
}

Program::Program(ProgramPaths paths) : paths_(std::move(paths)), messageBox_(state_) {
    const Parameters stored = ReadParameterFile(LocalPath(paths_.parameterFile));
    state_ = StartupState(messageBox_, stored);
    qtTexts_.Follow(state_.LanguageIsEnglish);
    history_ =
        std::make_unique<SetupHistory>(state_, [this](Changes changes) { Changed(changes); });
}

void Program::Changed(Changes changes) {
    if (changes.Has(StatePart::Language)) qtTexts_.Follow(state_.LanguageIsEnglish);
    if (!changes.Empty()) emit StateChanged(changes);
    history_->Notice(changes);
}

}  // namespace qv
