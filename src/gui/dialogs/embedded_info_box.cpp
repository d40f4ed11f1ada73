#include "gui/dialogs/embedded_info_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>

#include "image/text.h"
#include "rules/dialogs/embedded_info_rules.h"

namespace qv {
namespace {

// Every change of the box's text passes here, whatever made it: the characters the radio cannot
// store are taken out (the cursor keeps its place among the others) and reported.
class StorableCharacters : public QValidator {
  public:
    explicit StorableCharacters(EmbeddedInfoBox& box) : QValidator(&box), box_(box) {}

    State validate(QString& input, int& position) const override {
        const StorableSplit split = SplitStorable(input.toStdString());
        if (split.refused.empty()) return Acceptable;
        position = static_cast<int>(
            QString::fromStdString(SplitStorable(input.left(position).toStdString()).kept).size());
        input = QString::fromStdString(split.kept);
        emit box_.CharactersRefused(split.refused);
        return Acceptable;
    }

  private:
    EmbeddedInfoBox& box_;
};

// A key that types a character into the box; shortcuts (Ctrl+V, Ctrl+A), moves and Delete do not.
bool TypesCharacter(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    const QString text = event.text();
    // Enter, Tab, Escape and Backspace come as control characters; anything else is typed.
    return !text.isEmpty() && text.front().category() != QChar::Other_Control;
}

}  // namespace

EmbeddedInfoBox::EmbeddedInfoBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(new StorableCharacters(*this));
}

bool EmbeddedInfoBox::Accepts(bool backspace) const {
    return EmbeddedInfoKeyAccepted(text().toStdString(),
                                   backspace ? TypedKey::Backspace : TypedKey::Character,
                                   hasSelectedText());
}

void EmbeddedInfoBox::keyPressEvent(QKeyEvent* event) {
    const bool backspace = event->key() == Qt::Key_Backspace;
    if ((backspace || TypesCharacter(*event)) && !Accepts(backspace)) {
        event->accept();  // the key is used up, as typed into a full box
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EmbeddedInfoBox::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty() || Accepts(false)) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The composition goes on; only its committed text is refused.
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&withoutCommit);
    event->accept();
}

}  // namespace qv
