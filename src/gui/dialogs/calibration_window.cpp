#include "gui/dialogs/calibration_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "rules/dialogs/calibration_rules.h"
#include "gui/shell/twips.h"

namespace qv {
namespace {

constexpr int kSliderWidthTwips = 4000;

// A frame with its slider, its end labels and its value label.
struct SliderRow {
    const char* frame;
    const char* slider;
    const char* low;
    const char* high;
    const char* value;
    int CalibrationControls::*position;
};
constexpr SliderRow kSliderRows[] = {
    {"Frame1", "Slider1", "Label3", "Label8", "Lblpower1", &CalibrationControls::Slider1},
    {"Frame2", "Slider3", "Label6", "Label7", "Lblpower3", &CalibrationControls::Slider3},
};

QLabel* Label(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

CalibrationWindow::CalibrationWindow(Program& program)
    : DialogWindow(program, WindowId::Form2), state_(program.State()) {
    auto* layout = new QVBoxLayout(this);
    for (std::size_t k = 0; k < std::size(kSliderRows); ++k) {
        const SliderRow& row = kSliderRows[k];
        auto* frame = new QGroupBox;
        frame->setObjectName(QString::fromLatin1(row.frame));
        auto* slider = new QSlider(Qt::Horizontal);
        slider->setObjectName(QString::fromLatin1(row.slider));
        slider->setRange(0, kPowerLevelMax);
        slider->setSingleStep(1);
        slider->setPageStep(kPowerLevelPageStep);
        slider->setMinimumWidth(TwipsToPixelsX(kSliderWidthTwips, *this));
        connect(slider, &QAbstractSlider::actionTriggered, this, [this, slider, &row](int) {
            program_.Changed(MoveCalibrationSlider(state_, row.position, slider->sliderPosition()));
        });
        auto* value = Label(row.value);
        value->setAlignment(Qt::AlignCenter);
        auto* grid = new QGridLayout(frame);
        grid->addWidget(value, 0, 1);
        grid->addWidget(Label(row.low), 1, 0);
        grid->addWidget(slider, 1, 1);
        grid->addWidget(Label(row.high), 1, 2);
        grid->setColumnStretch(1, 1);
        layout->addWidget(frame);
        frames_[k] = frame;
        sliders_[k] = slider;
        values_[k] = value;
    }
    layout->addStretch(1);
    // Escape is the close box: the sliders keep their places, the levels stay.
    layout->addLayout(ButtonRow([this] { Ok(); }, false));
    FinishCreation();
}

void CalibrationWindow::Refresh(Changes changes) {
    if (changes.Has(StatePart::Form2)) {
        for (std::size_t k = 0; k < sliders_.size(); ++k) {
            const int value = state_.Form2.*kSliderRows[k].position;
            const QSignalBlocker blocker(sliders_[k]);
            sliders_[k]->setValue(value);
            values_[k]->setText(QString::number(value));
        }
    }
    if (changes.Has(StatePart::Calibration)) {
        for (QSlider* slider : sliders_) slider->setEnabled(state_.Form2SlidersEnabled);
    }
    if (changes.Has(StatePart::Language)) {
        for (std::size_t k = 0; k < sliders_.size(); ++k) {
            sliders_[k]->setAccessibleName(frames_[k]->title());
        }
    }
}

void CalibrationWindow::Ok() {
    program_.Changed(StorePowerLevels(state_));
    hide();
}

}  // namespace qv
