// A one-line box of the embedded-information dialog. Typed keys pass the 32-character rule of the
// core; text that arrives without typing (pasted, dropped) goes in whole. Characters the radio
// cannot store never go in, however they come: the box keeps the others and says which it left out.
#pragma once

#include <QLineEdit>

#include <string>

namespace qv {

class EmbeddedInfoBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit EmbeddedInfoBox(QWidget* parent = nullptr);

  signals:
    // An edit (typed, an input method's text, pasted or dropped) held `characters` (UTF-8, each
    // once) that the radio cannot store; they were left out, the rest of the edit went in. Comes
    // before the edit's textEdited.
    void CharactersRefused(const std::string& characters);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // An input method's committed text is typing too (a Chinese word typed by its spelling).
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    bool Accepts(bool backspace) const;
};

}  // namespace qv
