// A table model over a grid of text cells held in the program's state: the channel grid, the
// test-frequency grid and the DTMF code grid. Each grid's row 0 is its header row, shown by the
// view's header and set by the language switch; model row r is grid row r + 1. Column 0 is the
// label column (the channel or row label). The model keeps no copy of the cells: it reads them
// from the state each time a view asks, and hands what a user typed to its window's rules.
#pragma once

#include <QAbstractTableModel>
#include <QVariant>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv {

// What one grid is: its cells and what its window does with them.
struct CellTable {
    int rows = 0;     // grid rows under the header row
    int columns = 0;  // the label column included
    // The text of grid row `row` (1..rows), column `column`.
    std::function<const std::string&(int row, int column)> cell;
    // Whether the user may edit a cell, by the window's rules; none: no cell may be.
    std::function<bool(int row, int column)> editable;
    // Runs the window's rules on the text a user typed into an editable cell.
    std::function<void(int row, int column, std::string text)> edited;
    // A cell's background; none: the view's own.
    std::function<QVariant(int row, int column)> background;
    // Of every cell and header; none: the view's own.
    std::optional<Qt::Alignment> alignment;
    // A screen reader hears each cell as "column header, row label: text".
    bool namesCells = false;
};

// The cells of a grid held as rows of texts, its header row (row 0) included.
template <std::size_t Rows, std::size_t Columns>
CellTable CellsOf(const std::array<std::array<std::string, Columns>, Rows>& grid) {
    CellTable table;
    table.rows = static_cast<int>(Rows) - 1;
    table.columns = static_cast<int>(Columns);
    table.cell = [&grid](int row, int column) -> const std::string& {
        return grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    };
    return table;
}

class CellTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit CellTableModel(CellTable table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // A column's header; a row's is its label, for a screen reader (the views hide it).
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The language switch sets the column headers.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The cells changed in the state: every view shows them anew.
    void CellsChanged();

    // How a screen reader names the editor of a cell: "column header, row label", as it hears
    // the cell itself.
    static QString CellName(const QModelIndex& index);

    // The grid row a model row shows, and back.
    static int GridRow(const QModelIndex& index) { return index.row() + 1; }
    static int ModelRow(int gridRow) { return gridRow - 1; }

  private:
    QString Text(int row, int column) const;
    bool IsColumn(int section) const { return section >= 0 && section < table_.columns; }

    CellTable table_;
    std::vector<QString> headers_;
};

}  // namespace qv
