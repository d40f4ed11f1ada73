#include "gui/shell/desktop_identity.h"

#include <QApplication>
#include <QDirIterator>
#include <QGuiApplication>

namespace qv {

QIcon ProgramIcon() {
    // The build draws the icon's pictures from one drawing and puts every size under
    // :/icons/<size>x<size>. Given its size, a picture is read only when a window shows it.
    QIcon icon;
    QDirIterator pictures(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                          QDirIterator::Subdirectories);
    while (pictures.hasNext()) {
        const QString picture = pictures.next();
        const int side =
            picture.section(QLatin1Char('/'), 2, 2).section(QLatin1Char('x'), 0, 0).toInt();
        icon.addFile(picture, side > 0 ? QSize(side, side) : QSize());
    }
    return icon;
}

void ApplyDesktopIdentity() {
    QApplication::setApplicationName(QStringLiteral("qv7100"));
    // The desktop entry's file name without ".desktop"; the icon bears the same name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QV7100_APP_ID));
    QApplication::setWindowIcon(ProgramIcon());
}

}  // namespace qv
