// The transmit-power calibration window ("Debug"): two sliders with their value labels, moving
// only while calibration access is open; OK makes their values the power levels, the close box
// keeps them on the sliders only.
#pragma once

#include <array>

#include "gui/shell/dialog_window.h"

class QGroupBox;
class QLabel;
class QSlider;

namespace qv {

class CalibrationWindow : public DialogWindow {
    Q_OBJECT

  public:
    explicit CalibrationWindow(Program& program);

  protected:
    void Refresh(Changes changes) override;

  private:
    void Ok();

    ProgramState& state_;
    std::array<QGroupBox*, 2> frames_{};
    std::array<QSlider*, 2> sliders_{};
    std::array<QLabel*, 2> values_{};
};

}  // namespace qv
