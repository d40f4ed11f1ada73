// The About box frmAbout: the program's name, version, issue, release and developer line; the
// developer line opens the project's page. Shown modeless in front of the main window.
#pragma once

#include "gui/shell/dialog_window.h"

namespace qv {

class AboutWindow : public DialogWindow {
    Q_OBJECT

  public:
    AboutWindow(Program& program, QWidget* owner);

  protected:
    void Refresh(Changes changes) override;
};

}  // namespace qv
