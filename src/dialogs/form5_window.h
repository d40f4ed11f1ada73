// The optional-functions dialog: its controls come with the dialogs' work.
#pragma once

#include "shell/dialog_window.h"

namespace qv {

class Form5Window : public DialogWindow {
    Q_OBJECT

  public:
    explicit Form5Window(Program& program);
};

}  // namespace qv
