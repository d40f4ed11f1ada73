#include "gui/shell/web_link.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

#include <filesystem>
#include <optional>

#include "gui/shell/local_path.h"
#include "i18n/language.h"
#include "rules/program/program_files.h"

namespace qv {
void OpenProjectWebPage() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kProjectWebAddress)));
}

void OpenHelpFile(const ProgramPaths& paths, int languageIsEnglish) {
    std::optional<std::filesystem::path> data;
    if (!paths.dataFolder.isEmpty()) data = LocalPath(paths.dataFolder);
    const std::optional<std::filesystem::path> help =
        HelpToOpen(LocalPath(paths.programFolder), data, CaptionLanguage(languageIsEnglish));
    if (!help) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QtPath(*help)));
}

}  // namespace qv
