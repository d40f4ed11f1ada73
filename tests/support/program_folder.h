// A desktop program whose every file is kept in one folder of its own: a program started by a test
// or a benchmark, which leaves the user's folders alone.
#pragma once

#include <QDir>
#include <QString>

#include "gui/shell/program.h"
#include "rules/program/parameter_file.h"
#include "rules/program/write_options_file.h"

namespace qv::test {

inline ProgramPaths ProgramPathsIn(const QString& folder) {
    const QDir in(folder);
    return {.programFolder = folder,
            .parameterFile = in.filePath(QString::fromLatin1(kParameterFileName)),
            .dataFolder = {},
            .writeOptionsFile = in.filePath(QString::fromLatin1(kWriteOptionsFileName)),
            .backupFolder = in.filePath(QStringLiteral("backups"))};
}

}  // namespace qv::test
