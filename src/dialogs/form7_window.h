// The embedded-information dialog: its boxes come with the dialogs' work.
#pragma once

#include "shell/dialog_window.h"

namespace qv {

class Form7Window : public DialogWindow {
    Q_OBJECT

  public:
    explicit Form7Window(Program& program);
};

}  // namespace qv
