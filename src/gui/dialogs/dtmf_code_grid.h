// The optional-functions dialog's code grid mfgrid1: the dialog's grid cells as a cell table, a
// view that opens a cell's editor on a click or Enter, and an editor that takes only the keys a
// DTMF code may hold.
#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableView>

#include <functional>
#include <string>

#include "gui/shell/cell_table_model.h"
#include "state/program_state.h"

namespace qv {

// The cells of Form5's mfgrid1, rows 1..8: column 0 the row number, column 1 the code (editable).
// `edited` receives a code cell's new text and puts it into the state.
CellTable DtmfCodeCells(const Setup& setup,
                        std::function<void(int row, int column, std::string text)> edited);

// A code cell's editor: a..z typed become upper case, keys a code cannot hold are dropped, and a
// paste keeps only the characters a code can hold. Keys that type nothing (arrows, Delete,
// shortcuts) keep their meaning.
class DtmfCellEditor : public QLineEdit {
    Q_OBJECT

  public:
    explicit DtmfCellEditor(QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class DtmfCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

class DtmfCodeGrid : public QTableView {
    Q_OBJECT

  public:
    explicit DtmfCodeGrid(CellTableModel& model, QWidget* parent = nullptr);

    // Closes an open cell editor without taking over what it holds.
    void CancelEdit();
};

}  // namespace qv
