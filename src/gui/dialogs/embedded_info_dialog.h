// The embedded-information dialog: two one-line boxes, Text1 and Text2, over OK and Cancel. The
// boxes are the working copy of the two held lines; typing stops at 32 characters.
#pragma once

#include <array>

#include "gui/shell/dialog_window.h"

class QLineEdit;

namespace qv {

class EmbeddedInfoDialog : public DialogWindow {
    Q_OBJECT

  public:
    explicit EmbeddedInfoDialog(Program& program);

  protected:
    void Refresh(Changes changes) override;

  private:
    void Accept();

    std::array<QLineEdit*, 2> boxes_{};
};

}  // namespace qv
