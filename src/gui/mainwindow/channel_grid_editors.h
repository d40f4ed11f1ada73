// The channel grid's delegate: it paints the cells as ChannelGridDelegate does and edits them in
// place with Text1 for the two frequency columns, Combo8 for the two tone columns and the list
// array Combo5 (elements 5 to 8, one per list column). The editors are made once, in the grid's
// viewport, and the grid shows one of them at a time over the cell it was opened on, also when
// the grid scrolls or its columns change width. Every value goes through the grid's editing
// rules and is written to the cell the editor was opened on; the cells themselves are only ever
// changed in the program's state.
//
// A list opened by a press opens once the button is up, so that the release does not close it;
// it shows as many items as the screen holds. Digits typed while the tone list is open go into
// the tone's box. Escape closes an editor without taking what it holds. An open editor and its
// list are named for a screen reader after their cell, in the language the headers read.
#pragma once

#include <QPersistentModelIndex>

#include <array>

#include "gui/mainwindow/channel_grid_delegate.h"
#include "gui/shell/program.h"
#include "rules/channels/grid_editing.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace qv {

class ChannelGridView;

class ChannelGridEditors : public ChannelGridDelegate {
    Q_OBJECT

  public:
    // Makes the editors in `grid`'s viewport and becomes the grid's delegate; ends with the grid.
    ChannelGridEditors(Program& program, ChannelGridView& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // The editors are kept for the next cell: a closed one is only hidden.
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildText1();
    void BuildCombo8();
    void BuildCombo5();
    QWidget* EditorOfCell(int column) const;

    void Open(const QModelIndex& index);
    void OpenList(QComboBox& list);
    void NameOpenEditor() const;
    bool KeyPressed(QWidget& editor, const QKeyEvent& key);
    // A key typed into the tone editor's open list.
    bool KeyInToneList(QKeyEvent& key);
    // The user leaves the open editor: its value goes through the rules, and it closes.
    void Leave(QWidget& editor);
    // The user drops the open editor: it closes and its cell stays as it was.
    void Drop(QWidget& editor);
    // An item of the open list was chosen: it lands at once.
    void Chosen(QComboBox& list, int position);

    Program& program_;
    ProgramState& state_;
    ChannelGridView& grid_;
    QLineEdit* text1_ = nullptr;
    QComboBox* combo8_ = nullptr;
    QWidget* toneList_ = nullptr;  // Combo8's list, a window of its own while open
    std::array<QComboBox*, kGridColumns> combo5_{};  // elements 5..8

    // The editor the grid has open, and what the user did in it so far.
    mutable QWidget* open_ = nullptr;
    mutable QPersistentModelIndex openCell_;
    mutable bool listAfterRelease_ = false;  // opened by a press: its list opens on the release
    mutable bool loaded_ = false;            // it shows its cell; a refresh keeps what was typed
    mutable bool toneTyped_ = false;         // the tone editor's text was typed, not chosen
    mutable int chosen_ = -1;                // the list item chosen, or none
    mutable bool committing_ = false;        // a commit may show a message, which moves the focus
};

}  // namespace qv
