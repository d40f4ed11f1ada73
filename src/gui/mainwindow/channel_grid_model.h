// The channel grid as a model over the program's Grid1: 48 channel rows under a header row, the
// row label in column 0 and the eight channel columns after it. The model keeps no copy of the
// cells; it reads them from the state each time a view asks.
#pragma once

#include <QAbstractTableModel>

#include <array>

#include "state/program_state.h"

namespace qv {

class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit ChannelGridModel(const Setup& setup, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The language switch sets the column headers.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The cells changed in the state: every view repaints them.
    void CellsChanged();

    // Model row of channel `channel` (1..48) and back; model columns are grid columns.
    static int RowOfChannel(int channel) { return channel - 1; }
    static int ChannelOfRow(int row) { return row + 1; }

  private:
    const Setup& setup_;
    std::array<QString, kGridColumns> headers_;
};

}  // namespace qv
