// The test-frequency window: the grid mfgrid1 of the 16 test channels over OK and Cancel. The
// grid is the working copy of the held test channels.
#pragma once

#include "dialogs/form4_grid.h"
#include "shell/dialog_window.h"

namespace qv {

class Form4Window : public DialogWindow {
    Q_OBJECT

  public:
    explicit Form4Window(Program& program);

  protected:
    void Refresh(Changes changes) override;

  private:
    void Accept();

    TestFrequencyModel model_;
    TestFrequencyView* grid_ = nullptr;
};

}  // namespace qv
