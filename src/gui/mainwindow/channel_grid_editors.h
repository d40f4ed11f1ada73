// The in-place editors of the channel grid: Text1 for the two frequency columns, Combo8 for the
// two tone columns and the list array Combo5 (elements 5 to 8, one per list column). They live in
// the grid's viewport, hidden until the user opens a cell, and at most one is shown, lying exactly
// over its cell also when the grid scrolls or its columns change width. Every value goes through
// the grid's editing rules; the cells themselves are only ever changed in the program's state.
#pragma once

#include <QObject>

#include <array>

#include "rules/channels/grid_editing.h"
#include "gui/shell/program.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QModelIndex;

namespace qv {

class ChannelGridView;

class ChannelGridEditors : public QObject {
    Q_OBJECT

  public:
    // Creates the editors in `grid`'s viewport; they end with the grid.
    ChannelGridEditors(Program& program, ChannelGridView& grid);

    // The editor shown, or nullptr.
    QWidget* ShownEditor() const { return shown_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildText1();
    void BuildCombo8();
    void BuildCombo5();

    void Open(const QModelIndex& index);
    void Show(QWidget& editor);
    void Place();
    void Hide();
    bool KeyPressed(QObject* editor, const QKeyEvent& key);
    void LeftEditor(QObject* editor);

    // What the user did in an editor.
    void FrequencyLeft();
    void ToneChosen(int position);
    void ToneLeft();
    void ListChosen(int column, int position);

    Program& program_;
    ProgramState& state_;
    ChannelGridView& grid_;
    GridEdit edit_;  // EditRow and EditCol: the cell every commit writes to
    QLineEdit* text1_ = nullptr;
    QComboBox* combo8_ = nullptr;
    std::array<QComboBox*, kGridColumns> combo5_{};  // elements 5..8
    QWidget* shown_ = nullptr;
    bool toneTyped_ = false;   // the tone editor's text was typed, not chosen
    bool committing_ = false;  // a commit moves the focus: that is no second leaving
};

}  // namespace qv
