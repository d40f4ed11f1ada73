#include "dialogs/form4_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <utility>

#include "dialogs/test_frequency_rules.h"

namespace qv {

Form4Window::Form4Window(Program& program)
    : DialogWindow(program, WindowId::Form4),
      model_(program.State(), [this](int row, int column, std::string text) {
          program_.Changed(EditTestFrequency(program_.State(), row, column, std::move(text)));
      }) {
    grid_ = new TestFrequencyView(model_);
    grid_->setCurrentIndex(model_.index(0, kTestRxColumn));

    // An open cell editor takes Escape for itself: it drops the cell's edit, not the window.
    QHBoxLayout* buttons = ButtonRow([this] { Accept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FinishCreation();
}

void Form4Window::Refresh(Changes changes) {
    if (!changes.Has(StatePart::Form4)) return;
    model_.CellsChanged();
}

void Form4Window::Accept() {
    program_.Changed(StoreTestFrequencies(program_.State()));
    hide();
}

}  // namespace qv
