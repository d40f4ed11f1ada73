#include "gui/shell/program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

#include "rules/program/parameter_file.h"
#include "rules/program/startup.h"

namespace qv {

ProgramPaths LocateProgramPaths() {
    ProgramPaths paths;
    paths.programFolder = QCoreApplication::applicationDirPath();
    const QString name = QString::fromLatin1(kParameterFileName);
    if (QFileInfo(paths.programFolder).isWritable()) {
        paths.parameterFile = QDir(paths.programFolder).filePath(name);
        return paths;
    }
    const QString settings = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(settings);
    paths.parameterFile = QDir(settings).filePath(name);
    return paths;
}

Program::Program(ProgramPaths paths) : paths_(std::move(paths)), messageBox_(state_) {
    const Parameters stored = ReadParameterFile(
        std::filesystem::path(QFile::encodeName(paths_.parameterFile).toStdString()));
    state_ = StartupState(messageBox_, stored);
}

void Program::Changed(Changes changes) {
    if (!changes.Empty()) emit StateChanged(changes);
}

}  // namespace qv
