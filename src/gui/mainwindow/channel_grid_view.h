// The channel grid Grid1 on screen: column widths and 300-twip rows at the screen's logical DPI,
// centred cells, the label column and header row that never scroll out of reach.
//
// The grid starts no edit by itself. A left press selects one cell and asks for its editor at
// once, and tells when that button is up again; with Shift or Ctrl it only takes in more cells
// (Shift and the arrow keys too), which Copy copies; Enter asks for the editor of the current cell;
// a right press only takes the focus; the arrow keys move between cells and never open an editor.
// The label column is never the keyboard's current cell. An open editor lies over its cell when the
// grid scrolls or a column or row changes size. Locked, it keeps every text legible.
#pragma once

#include <QTableView>

#include "gui/mainwindow/channel_grid_model.h"

namespace qv {

class ChannelGridView : public QTableView {
    Q_OBJECT

  public:
    ChannelGridView(ChannelGridModel& model, QWidget* parent = nullptr);

    // The width that shows every column without a horizontal scroll bar.
    int FullWidth() const;
    // Wide enough for every column, and as high as the screen allows.
    QSize sizeHint() const override;

    // Opens the delegate's editor on an editable `cell`; false when none opened.
    bool EditCell(const QModelIndex& cell);
    // Between a left press that asked for an editor and its release.
    bool PressHeld() const { return pressHeld_; }

  signals:
    // The user pressed the cell `index` or pressed Enter on it: its editor should open.
    void EditRequested(const QModelIndex& index);
    // The left button that asked for an editor is up again.
    void PressReleased();

  protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

  private:
    void ApplyGeometry();
    // A locked grid's header captions stay legible on the header's colour, as its cells do.
    void KeepHeaderLegible();

    // Between a left press that asked for an editor and its release: the press chose one cell,
    // and moving the mouse drags out no range and moves to no other cell.
    bool pressHeld_ = false;
};

}  // namespace qv
