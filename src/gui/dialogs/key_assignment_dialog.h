// The key-assignment dialog: five frames on the left, one per programmable key, each with the
// key's long-press list above its short-press list; the radio on the right with a line from each
// frame to its key; OK and Cancel below the radio. The lists are the working copy of the held key
// functions.
#pragma once

#include <array>

#include "gui/shell/dialog_window.h"

class QComboBox;
class QGroupBox;

namespace qv {

class KeyAssignmentDialog : public DialogWindow {
    Q_OBJECT

  public:
    explicit KeyAssignmentDialog(Program& program);

  protected:
    void Refresh(Changes changes) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QGroupBox* BuildFrame(std::size_t frame);
    void Accept();

    std::array<QComboBox*, 10> lists_{};  // by KeyFunctionCodes entry
    std::array<QGroupBox*, 5> frames_{};  // top to bottom
    QWidget* picture_ = nullptr;          // where the radio is drawn
};

}  // namespace qv
