// The test-frequency grid mfgrid1 of Form4: the window's grid cells in the set-up (a header row,
// the label column 01..16, receive and transmit frequency) as a cell table, and the view that
// edits a cell as soon as it is clicked.
#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

#include "gui/shell/cell_table_model.h"
#include "state/program_state.h"

namespace qv {

// The cells of Form4's mfgrid1; `edited` runs the rules of a cell the user typed into (grid row
// 1..16, column 1..2).
CellTable ServiceFrequencyCells(const Setup& setup,
                                std::function<void(int row, int column, std::string text)> edited);

// Hands a cell's new text to the model only when the user changed something in the editor:
// clicking into a cell and out again is no edit, so it runs no rule. New cells from elsewhere (a
// decoded image) replace the text of an open editor and so count as unchanged too.
class ServiceFrequencyCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

class ServiceFrequenciesGrid : public QTableView {
    Q_OBJECT

  public:
    ServiceFrequenciesGrid(CellTableModel& model, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void EditIfAllowed(const QModelIndex& index);
    void ApplyGeometry();
};

}  // namespace qv
