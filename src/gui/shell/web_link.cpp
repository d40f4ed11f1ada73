#include "gui/shell/web_link.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "i18n/language.h"
#include "gui/shell/captions.h"

namespace qv {

void OpenProjectWebPage() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kProjectWebAddress)));
}

QString HelpFilePath(const QString& programFolder) {
    return QDir(programFolder).filePath(ToQString(kApplicationTitle) + QStringLiteral(".CHM"));
}

void OpenHelpFile(const QString& programFolder) {
    const QString path = HelpFilePath(programFolder);
    if (!QFileInfo(path).isFile()) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace qv
