// The key-assignment dialog: its lists come with the dialogs' work.
#pragma once

#include "shell/dialog_window.h"

namespace qv {

class Form6Window : public DialogWindow {
    Q_OBJECT

  public:
    explicit Form6Window(Program& program);
};

}  // namespace qv
