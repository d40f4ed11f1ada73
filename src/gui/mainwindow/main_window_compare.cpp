// The shown set-up compared with the radio on the port: a read that changes nothing shown.
#include "gui/dialogs/compare_window.h"
#include "gui/mainwindow/main_window.h"
#include "gui/shell/captions.h"
#include "rules/compare/setup_compare.h"

namespace qv {

void MainWindow::CompareWithRadio() {
    if (TransferRunning()) return;
    transfer_ = RunningTransfer::Compare;
    driver_.StartCapture();
}

void MainWindow::ShowComparison() {
    const ImageBytes radio = driver_.Engine().CapturedImageBytes();
    radioWrite_.KeepRead(radio, driver_.Engine().Variables().IdentifiedBand, port_.Name());
    CompareWindow window(
        CompareSetupWithRadio(state_, radio, driver_.Engine().Variables().IdentifiedBand,
                              state_.CalibrationUnlocked),
        CaptionLanguage(state_.LanguageIsEnglish), this);
    window.exec();
}

}  // namespace qv
