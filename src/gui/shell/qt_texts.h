// Qt's own texts (the file dialogs, the standard buttons, a text box's context menu) in the
// program's language: Qt's Chinese translation is installed while the captions are Chinese, and
// removed for English. Without the translation file Qt's texts stay English.
#pragma once

#include <QTranslator>

#include <memory>

namespace qv {

class QtTexts {
  public:
    // Follows the language flag as the captions do.
    void Follow(int languageIsEnglish);

  private:
    std::unique_ptr<QTranslator> chinese_;  // installed while the captions are Chinese
};

}  // namespace qv
