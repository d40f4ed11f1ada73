// What a key does in one of the grid's editors. The frequency and tone editors take digits, the
// point and Backspace as typing and drop every other character; moving and deleting keep their
// usual work. Enter gives the grid the focus back, which commits the edit, and so does Tab either
// way, since the editor lies over the grid; in a list editor Escape does so too, once its list is
// closed.
#pragma once

class QKeyEvent;

namespace qv {

enum class EditorKey {
    Pass,  // the editor handles it as usual
    Drop,  // goes nowhere
    Back,  // the grid takes the focus
};

EditorKey KeyInNumberEditor(const QKeyEvent& key);
EditorKey KeyInListEditor(const QKeyEvent& key);

// Whether `key` types into a number editor (a digit, the point or Backspace): typed into the tone
// editor's open list, it goes to the editor's text rather than searching the list.
bool TypesIntoNumberEditor(const QKeyEvent& key);

}  // namespace qv
