#include "gui/mainwindow/channel_grid_editor_keys.h"

#include <QKeyEvent>

#include "rules/channels/grid_editing.h"

namespace qv {
namespace {

// Enter, and Tab either way: an editor lies over the grid, so leaving it leads back there.
bool LeadsBack(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            return false;
    }
}

// Keys that do their work without typing a character.
bool IsNoTyping(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            return true;
        default:
            // Selecting and copying change nothing; other shortcuts (Ctrl+V among them) could
            // put any text into the box.
            if (key.matches(QKeySequence::SelectAll) || key.matches(QKeySequence::Copy)) {
                return true;
            }
            return key.text().isEmpty();  // arrows, Home, End, F4, modifiers
    }
}

bool IsPlain(const QKeyEvent& key) {
    return (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
}

bool IsNumberCharacter(const QString& text) {
    return text.size() == 1 && IsNumberEditorCharacter(text.front().unicode());
}

}  // namespace

EditorKey KeyInNumberEditor(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Escape) return EditorKey::Revert;
    if (LeadsBack(key)) return EditorKey::Back;
    if (IsNoTyping(key)) return EditorKey::Pass;
    return IsPlain(key) && IsNumberCharacter(key.text()) ? EditorKey::Pass : EditorKey::Drop;
}

EditorKey KeyInListEditor(const QKeyEvent& key) {
    // A list commits only a chosen item, so leaving it either way keeps the cell.
    if (key.key() == Qt::Key_Escape) return EditorKey::Revert;
    if (LeadsBack(key)) return EditorKey::Back;
    return EditorKey::Pass;
}

bool TypesIntoNumberEditor(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Backspace) return true;
    return IsPlain(key) && IsNumberCharacter(key.text());
}

}  // namespace qv
