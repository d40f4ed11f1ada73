// The channel grid as a model over the program's Grid1: 48 channel rows under a header row, the
// row label in column 0 and the eight channel columns after it. The model keeps no copy of the
// cells; it reads them from the state each time a view asks.
#pragma once

#include "gui/shell/cell_table_model.h"
#include "state/program_state.h"

namespace qv {

class ChannelGridModel : public CellTableModel {
    Q_OBJECT

  public:
    explicit ChannelGridModel(const Setup& setup, QObject* parent = nullptr);

    // Model row of channel `channel` (1..48) and back; model columns are grid columns.
    static int RowOfChannel(int channel) { return ModelRow(channel); }
    static int ChannelOfRow(int row) { return row + 1; }
};

}  // namespace qv
