// What a key does in one of the grid's editors. The frequency and tone editors take digits, the
// point and Backspace as typing and drop every other character; moving, deleting, selecting all
// and copying keep their usual work. Enter gives the grid the focus back, which commits the edit,
// and so does Tab either way, since the editor lies over the grid. Escape closes the editor
// without taking what it holds: the cell keeps its text and the grid takes the focus.
#pragma once

class QKeyEvent;

namespace qv {

enum class EditorKey {
    Pass,    // the editor handles it as usual
    Drop,    // goes nowhere
    Back,    // the grid takes the focus, which commits
    Revert,  // the editor closes, its cell as it was, and the grid takes the focus
};

EditorKey KeyInNumberEditor(const QKeyEvent& key);
EditorKey KeyInListEditor(const QKeyEvent& key);

// Whether `key` types into a number editor (a digit, the point or Backspace): typed into the tone
// editor's open list, it goes to the editor's text rather than searching the list.
bool TypesIntoNumberEditor(const QKeyEvent& key);

}  // namespace qv
