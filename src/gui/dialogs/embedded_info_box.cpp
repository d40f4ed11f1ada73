#include "gui/dialogs/embedded_info_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include "rules/dialogs/embedded_info_rules.h"

namespace qv {
namespace {

// A key that types a character into the box; shortcuts (Ctrl+V, Ctrl+A), moves and Delete do not.
bool TypesCharacter(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    const QString text = event.text();
    // Enter, Tab, Escape and Backspace come as control characters; anything else is typed.
    return !text.isEmpty() && text.front().category() != QChar::Other_Control;
}

}  // namespace

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
