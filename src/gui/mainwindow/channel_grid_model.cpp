#include "gui/mainwindow/channel_grid_model.h"

#include <QBrush>
#include <QColor>

#include "rules/channels/grid_editing.h"

namespace qv {
namespace {

// The second and third group of 16 channels are tinted; the first keeps the grid's own colour.
QVariant GroupBackground(int channel) {
    if (channel > 32) return QBrush(QColor(160, 192, 255));
    if (channel > 16) return QBrush(QColor(192, 192, 255));
    return {};
}

CellTable ChannelCells(const Setup& setup) {
    CellTable table = CellsOf(setup.Grid1);
    table.editable = [&setup](int channel, int column) {
        return ChannelCellEditable(setup, channel, column);
    };
    table.background = [](int channel, int) { return GroupBackground(channel); };
    table.alignment = Qt::AlignCenter;
    table.namesCells = true;
    return table;
}

}  // namespace

ChannelGridModel::ChannelGridModel(const Setup& setup, QObject* parent)
    : CellTableModel(ChannelCells(setup), parent) {}

}  // namespace qv
