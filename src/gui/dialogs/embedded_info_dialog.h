// The embedded-information dialog: two one-line boxes, Text1 and Text2, over OK and Cancel. The
// boxes are the working copy of the two held lines; typing stops at 32 characters. Characters the
// radio cannot store are left out of the boxes with a beep and a note below them, which names them
// until the next edit or until the window is hidden.
#pragma once

#include <array>
#include <string>

#include "gui/shell/dialog_window.h"

class QLabel;

namespace qv {

class EmbeddedInfoBox;

class EmbeddedInfoDialog : public DialogWindow {
    Q_OBJECT

  public:
    explicit EmbeddedInfoDialog(Program& program);

  protected:
    void Refresh(Changes changes) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Accept();
    void Refused(const std::string& characters);
    void ShowNote();
    void ClearNote();

    std::array<EmbeddedInfoBox*, 2> boxes_{};
    QLabel* note_ = nullptr;
    std::string refused_;           // what the note names; empty when it is hidden
    bool refusedThisEdit_ = false;  // the edit under way left characters out
};

}  // namespace qv
