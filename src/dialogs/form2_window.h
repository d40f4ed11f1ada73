// The transmit-power calibration window ("Debug"): its sliders come with the dialogs' work.
#pragma once

#include "shell/dialog_window.h"

namespace qv {

class Form2Window : public DialogWindow {
    Q_OBJECT

  public:
    explicit Form2Window(Program& program);
};

}  // namespace qv
