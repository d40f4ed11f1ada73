// The shown set-up compared with the radio on the port: a read that changes nothing shown.
#include "gui/dialogs/compare_window.h"
#include "gui/mainwindow/main_window.h"
#include "gui/shell/captions.h"
#include "rules/compare/setup_compare.h"

namespace qv {

void MainWindow::CompareWithRadio() {
    if (TransferRunning()) return;
    transfer_ = RunningTransfer::Compare;
    lastDriver_ = &driver_;
    NewBackupKeeper();
    driver_.StartCapture();
}

void MainWindow::ShowComparison() {
    const ImageBytes radio = driver_.Engine().CapturedImageBytes();
    backupKeeper_.Keep(radio, driver_.Engine().Variables().IdentifiedBand, BackupKind::Read);
    CompareWindow window(
        CompareSetupWithRadio(state_, radio, driver_.Engine().Variables().IdentifiedBand,
                              state_.CalibrationUnlocked),
        CaptionLanguage(state_.LanguageIsEnglish), this);
    window.exec();
}

}  // namespace qv
