// The test-frequency window: the grid mfgrid1 of the 16 test channels over OK and Cancel. The
// grid is the working copy of the held test channels.
#pragma once

#include "gui/dialogs/service_frequencies_grid.h"
#include "gui/shell/dialog_window.h"

namespace qv {

class ServiceFrequenciesDialog : public DialogWindow {
    Q_OBJECT

  public:
    explicit ServiceFrequenciesDialog(Program& program);

  protected:
    void Refresh(Changes changes) override;

  private:
    void Accept();

    CellTableModel model_;
    ServiceFrequenciesGrid* grid_ = nullptr;
};

}  // namespace qv
