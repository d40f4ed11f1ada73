// The optional-functions dialog's code grid mfgrid1: a model over the dialog's grid cells, a view
// that opens a cell's editor on a click or Enter, and an editor that takes only the keys a DTMF
// code may hold.
#pragma once

#include <QAbstractTableModel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableView>

#include <array>
#include <functional>

#include "state/program_state.h"

namespace qv {

// Rows 1..8 of Form5's mfgrid1; column 0 the row number, column 1 the code (editable).
class DtmfCodeModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // `edited` receives a cell's new text (row 1..8) and puts it into the state.
    DtmfCodeModel(const Setup& setup, std::function<void(int, const QString&)> edited,
                  QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role) override;

    // The cells changed in the state.
    void CellsChanged();

  private:
    const Setup& setup_;
    std::function<void(int, const QString&)> edited_;
    std::array<QString, 2> headers_;
};

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
    explicit DtmfCodeGrid(DtmfCodeModel& model, QWidget* parent = nullptr);

    // Closes an open cell editor without taking over what it holds.
    void CancelEdit();
};

}  // namespace qv
