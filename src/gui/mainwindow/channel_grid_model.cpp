#include "gui/mainwindow/channel_grid_model.h"

#include <QBrush>
#include <QColor>

#include "gui/shell/captions.h"

namespace qv {
namespace {

// The second and third group of 16 channels are tinted; the first keeps the grid's own colour.
QVariant GroupBackground(int channel) {
    if (channel > 32) return QBrush(QColor(160, 192, 255));
    if (channel > 16) return QBrush(QColor(192, 192, 255));
    return {};
}

}  // namespace

ChannelGridModel::ChannelGridModel(const Setup& setup, QObject* parent)
    : QAbstractTableModel(parent), setup_(setup) {}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelCount;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kGridColumns;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int channel = ChannelOfRow(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return ToQString(setup_.Grid1[channel][index.column()]);
        case Qt::TextAlignmentRole:
            return static_cast<int>(Qt::AlignCenter);
        case Qt::BackgroundRole:
            return GroupBackground(channel);
        case Qt::AccessibleTextRole: {
            // A screen reader names each cell by its column and channel.
            const QString text = ToQString(setup_.Grid1[channel][index.column()]);
            if (index.column() == 0) return text;
            return headers_[index.column()] + QStringLiteral(", ") +
                   ToQString(setup_.Grid1[channel][0]) + QStringLiteral(": ") + text;
        }
        default:
            return {};
    }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kGridColumns) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return headers_[section];
    if (role == Qt::TextAlignmentRole) return static_cast<int>(Qt::AlignCenter);
    return {};
}

bool ChannelGridModel::setHeaderData(int section, Qt::Orientation orientation,
                                     const QVariant& value, int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= kGridColumns) return false;
    if (role != Qt::EditRole && role != Qt::DisplayRole) return false;
    headers_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void ChannelGridModel::CellsChanged() {
    emit dataChanged(index(0, 0), index(kChannelCount - 1, kGridColumns - 1),
                     {Qt::DisplayRole, Qt::AccessibleTextRole});
}

}  // namespace qv
