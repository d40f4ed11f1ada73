// The test-frequency window: its grid comes with the dialogs' work.
#pragma once

#include "shell/dialog_window.h"

namespace qv {

class Form4Window : public DialogWindow {
    Q_OBJECT

  public:
    explicit Form4Window(Program& program);
};

}  // namespace qv
