#include "mainwindow/grid_editor_keys.h"

#include <QKeyEvent>

namespace qv {
namespace {

bool IsEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// Keys that do their work without typing a character: Tab moves the focus, Delete deletes.
bool IsNoTyping(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            return true;
        default:
            return key.text().isEmpty();  // arrows, Home, End, F4, modifiers
    }
}

bool IsNumberCharacter(const QString& text) {
    if (text.size() != 1) return false;
    const QChar c = text.front();
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}

}  // namespace

EditorKey KeyInNumberEditor(const QKeyEvent& key) {
    if (IsEnter(key)) return EditorKey::Back;
    if (IsNoTyping(key)) return EditorKey::Pass;
    // Control characters (Ctrl+V among them) type nothing either.
    const bool plain = (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
    return plain && IsNumberCharacter(key.text()) ? EditorKey::Pass : EditorKey::Drop;
}

EditorKey KeyInListEditor(const QKeyEvent& key) {
    if (IsEnter(key) || key.key() == Qt::Key_Escape) return EditorKey::Back;
    return EditorKey::Pass;
}

}  // namespace qv
