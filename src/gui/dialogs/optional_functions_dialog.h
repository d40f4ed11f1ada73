// The optional-functions dialog Form5: the VOX frame, the scan frame and the general lists, the
// hidden DTMF frame, and the code grid mfgrid1 lying almost wholly beyond the window's right edge.
// Three of the scan frame's labels also take the clicks of the hidden service sequence.
#pragma once

#include <array>
#include <string>

#include "gui/shell/dialog_window.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace qv {

class CellTableModel;
class DtmfCodeGrid;

class OptionalFunctionsDialog : public DialogWindow {
    Q_OBJECT

  public:
    explicit OptionalFunctionsDialog(Program& program);

  protected:
    void Refresh(Changes changes) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* BuildPanel();
    void BuildCodeGrid();
    void SetTabOrder();
    void ShowControls();
    // The window's size and the grid's place follow the panel, whose width follows the language.
    void PlaceCodeGrid();
    void CodeEdited(int row, std::string code);
    void Ok();

    ProgramState& state_;
    QWidget* panel_ = nullptr;
    static constexpr std::size_t kListCount = 22;  // Combo0..Combo22 but for Combo5
    std::array<QComboBox*, kListCount> lists_{};
    std::array<QCheckBox*, 2> checks_{};
    std::array<QLineEdit*, 2> delayBoxes_{};
    std::array<QScrollBar*, 2> delaySteps_{};
    std::array<QLabel*, 2> delayLabels_{};
    CellTableModel* codeModel_ = nullptr;
    DtmfCodeGrid* codeGrid_ = nullptr;
    bool committingCode_ = false;
    int panelWidth_ = 0;
};

}  // namespace qv
