// A one-line box of the embedded-information dialog. Typed keys pass the 32-character rule of the
// core; text that arrives without typing (pasted, dropped) goes in whole.
#pragma once

#include <QLineEdit>

namespace qv {

class EmbeddedInfoBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // An input method's committed text is typing too (a Chinese word typed by its spelling).
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    bool Accepts(bool backspace) const;
};

}  // namespace qv
