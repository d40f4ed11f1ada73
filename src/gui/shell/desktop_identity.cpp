#include "gui/shell/desktop_identity.h"

#include <QApplication>
#include <QDirIterator>
#include <QGuiApplication>

namespace qv {

QIcon ProgramIcon() {
    // The build draws the icon's pictures from one drawing and puts every size under :/icons.
    QIcon icon;
    QDirIterator pictures(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                          QDirIterator::Subdirectories);
    while (pictures.hasNext()) icon.addFile(pictures.next());
    return icon;
}

void ApplyDesktopIdentity() {
    QApplication::setApplicationName(QStringLiteral("qv7100"));
    // The desktop entry's file name without ".desktop"; the icon bears the same name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QV7100_APP_ID));
    QApplication::setWindowIcon(ProgramIcon());
}

}  // namespace qv
