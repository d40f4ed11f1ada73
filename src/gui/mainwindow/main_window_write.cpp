// The write's commands: its choices, the write with its backup before and its read-back after
// (RadioWrite), and a backup written back or opened.
#include <QDialog>

#include "gui/dialogs/backup_restore_window.h"
#include "gui/mainwindow/main_window.h"
#include "gui/shell/captions.h"
#include "gui/shell/local_path.h"
#include "i18n/desktop_texts.h"
#include "i18n/msgbox.h"
#include "rules/backups/backup_rows.h"
#include "state/bands.h"

namespace qv {

void MainWindow::RefreshWriteOptions() {
    Action(Command::VerifyAfterWrite)->setChecked(program_.Options().verifyAfterWrite);
    Action(Command::BackupBeforeWrite)->setChecked(program_.Options().backupBeforeWrite);
}

void MainWindow::ToggleWriteOption(Command command, bool checked) {
    WriteOptions options = program_.Options();
    (command == Command::VerifyAfterWrite ? options.verifyAfterWrite : options.backupBeforeWrite) =
        checked;
    // The choice holds for this run all the same; a settings folder that cannot be written is
    // told once, as for the parameter file.
    const Status kept = program_.SetOptions(options);
    if (!kept.ok() && !toldSettingsNotKept_) {
        toldSettingsNotKept_ = true;
        ShowMessage(kept);
    }
}

void MainWindow::StartCheckedWrite(const BackupEntry* restore) {
    if (TransferRunning()) return;
    program_.History().BeginGroup();
    transferGroup_ = true;
    transfer_ = RunningTransfer::Write;
    if (radioWrite_.Start(restore)) return;
    transfer_ = RunningTransfer::None;
    transferGroup_ = false;
    program_.History().EndGroup();
}

void MainWindow::RestoreFromBackup() {
    if (TransferRunning()) return;
    const Language language = CaptionLanguage(state_.LanguageIsEnglish);
    BackupRestoreWindow window(LocalPath(program_.Paths().backupFolder), language, this);
    if (window.exec() != QDialog::Accepted) return;
    const BackupEntry& backup = window.ChosenBackup();
    if (window.Chosen() == BackupRestoreWindow::Choice::WriteToRadio) {
        const std::string question = DesktopTextWith(
            DesktopText::RestoreWriteQuestion, MessageLanguage(state_.LanguageIsEnglish),
            {BackupLocalTime(backup.when), BandAt(backup.band).listText});
        if (program_.MessageBox().LocalMsgBox(question, kStyleYesNoQuestion, "") != kIdYes) return;
        StartCheckedWrite(&backup);
        return;
    }
    if (MayReplaceSetup()) OpenSetupFrom(QtPath(backup.path));
}

}  // namespace qv
