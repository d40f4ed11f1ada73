// The test-frequency grid mfgrid1 of Form4: a model over the window's grid cells in the set-up (a
// header row, the label column 01..16, receive and transmit frequency), and the view that edits a
// cell as soon as it is clicked.
#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include <array>
#include <functional>
#include <string>

#include "state/program_state.h"

namespace qv {

class TestFrequencyModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // `edit` runs the rules of a cell the user typed into (grid row 1..16, column 1..2).
    using EditHandler = std::function<void(int row, int column, std::string text)>;

    TestFrequencyModel(const Setup& setup, EditHandler edit, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The language switch sets the column headers.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The cells changed in the state.
    void CellsChanged();

    // Grid row of a model row: the header row is the view's header, not a model row.
    static int GridRow(const QModelIndex& index) { return index.row() + 1; }

  private:
    const std::string& Cell(const QModelIndex& index) const;

    const Setup& setup_;
    EditHandler edit_;
    std::array<QString, 3> headers_;
};

// Hands a cell's new text to the model only when the user changed something in the editor:
// clicking into a cell and out again is no edit, so it runs no rule. New cells from elsewhere (a
// decoded image) replace the text of an open editor and so count as unchanged too.
class TestFrequencyDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

class TestFrequencyView : public QTableView {
    Q_OBJECT

  public:
    TestFrequencyView(TestFrequencyModel& model, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void EditIfAllowed(const QModelIndex& index);
    void ApplyGeometry();
};

}  // namespace qv
