#include "gui/shell/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "i18n/language.h"

namespace qv {

void QtTexts::Follow(int languageIsEnglish) {
    const bool chinese = CaptionLanguage(languageIsEnglish) == Language::Chinese;
    if (chinese == (chinese_ != nullptr)) return;
    if (!chinese) {
        chinese_.reset();  // a translator leaves the application as it is destroyed
        return;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    chinese_ = std::move(translator);
}

}  // namespace qv
