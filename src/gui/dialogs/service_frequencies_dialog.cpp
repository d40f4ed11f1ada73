#include "gui/dialogs/service_frequencies_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "rules/dialogs/service_frequencies_rules.h"

namespace qv {

ServiceFrequenciesDialog::ServiceFrequenciesDialog(Program& program)
    : DialogWindow(program, WindowId::Form4),
      model_(ServiceFrequencyCells(program.State(), [this](int row, int column, std::string text) {
          program_.Changed(
              EditTestFrequency(program_.State(), program_.MessageBox(), row, column, text));
      })) {
    grid_ = new ServiceFrequenciesGrid(model_);
    grid_->setCurrentIndex(model_.index(0, kTestRxColumn));

    // An open cell editor takes Escape for itself: it drops the cell's edit, not the window.
    QHBoxLayout* buttons = ButtonRow([this] { Accept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FinishCreation();
}

void ServiceFrequenciesDialog::Refresh(Changes changes) {
    if (!changes.Has(StatePart::Form4)) return;
    model_.CellsChanged();
}

void ServiceFrequenciesDialog::Accept() {
    program_.Changed(StoreTestFrequencies(program_.State()));
    hide();
}

}  // namespace qv
