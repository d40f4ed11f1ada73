#include "gui/shell/cell_table_model.h"

#include <utility>

#include "gui/shell/captions.h"

namespace qv {
namespace {

constexpr int kLabelColumn = 0;

}  // namespace

CellTableModel::CellTableModel(CellTable table, QObject* parent)
    : QAbstractTableModel(parent),
      table_(std::move(table)),
      headers_(static_cast<std::size_t>(table_.columns)) {}

int CellTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.rows;
}

int CellTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.columns;
}

QString CellTableModel::Text(int row, int column) const {
    return ToQString(table_.cell(row, column));
}

QVariant CellTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = GridRow(index);
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return Text(row, column);
        case Qt::TextAlignmentRole:
            if (table_.alignment) return static_cast<int>(*table_.alignment);
            return {};
        case Qt::BackgroundRole:
            if (table_.background) return table_.background(row, column);
            return {};
        case Qt::AccessibleTextRole:
            if (!table_.namesCells) return {};
            if (column == kLabelColumn) return Text(row, column);
            return CellName(index) + QStringLiteral(": ") + Text(row, column);
        default:
            return {};
    }
}

QString CellTableModel::CellName(const QModelIndex& index) {
    const QAbstractItemModel* model = index.model();
    if (model == nullptr) return {};
    return model->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString() +
           QStringLiteral(", ") + index.siblingAtColumn(kLabelColumn).data().toString();
}

bool CellTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !table_.edited) return false;
    if (!flags(index).testFlag(Qt::ItemIsEditable)) return false;
    table_.edited(GridRow(index), index.column(), value.toString().toStdString());
    return true;
}

QVariant CellTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role != Qt::DisplayRole || section < 0 || section >= table_.rows) return {};
        return Text(section + 1, kLabelColumn);
    }
    if (!IsColumn(section)) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        return headers_[static_cast<std::size_t>(section)];
    }
    if (role == Qt::TextAlignmentRole && table_.alignment) {
        return static_cast<int>(*table_.alignment);
    }
    return {};
}

bool CellTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                   int role) {
    if (orientation != Qt::Horizontal || !IsColumn(section)) return false;
    if (role != Qt::EditRole && role != Qt::DisplayRole) return false;
    headers_[static_cast<std::size_t>(section)] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags CellTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (table_.editable && table_.editable(GridRow(index), index.column())) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

void CellTableModel::CellsChanged() {
    if (table_.rows == 0 || table_.columns == 0) return;
    emit dataChanged(index(0, 0), index(table_.rows - 1, table_.columns - 1));
}

}  // namespace qv
