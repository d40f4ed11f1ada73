// A write with its backup before and its read-back after, its result, the backups kept at every
// read, and a backup written back or opened.
#include <QDialog>
#include <QLabel>

#include <utility>

#include "gui/dialogs/backup_restore_window.h"
#include "gui/mainwindow/main_window.h"
#include "gui/shell/captions.h"
#include "gui/shell/local_path.h"
#include "i18n/compare_texts.h"
#include "i18n/desktop_texts.h"
#include "i18n/msgbox.h"
#include "rules/backups/backup_rows.h"
#include "rules/program/dat_file.h"
#include "rules/program/file_commands.h"
#include "state/bands.h"

namespace qv {
namespace {

// How many differences a message box lists before it says how many more there are.
constexpr std::size_t kDifferencesListed = 20;

}  // namespace

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

void MainWindow::NewBackupKeeper() {
    backupProblem_.clear();
    backupKeeper_ = BackupKeeper(
        LocalPath(program_.Paths().backupFolder),
        [this](const std::string& text) { backupProblem_ = text; },
        MessageLanguage(state_.LanguageIsEnglish));
}

void MainWindow::TellBackupProblem() {
    if (backupProblem_.empty()) return;
    const std::string text = std::exchange(backupProblem_, {});
    program_.MessageBox().LocalMsgBox(text, kStyleOkInformation, "");
}

void MainWindow::ShowWriteResult(std::function<std::string(Language)> text) {
    writeResultText_ = std::move(text);
    RefreshWriteResult();
}

void MainWindow::RefreshWriteResult() {
    writeResult_->setVisible(static_cast<bool>(writeResultText_));
    if (!writeResultText_) return;
    writeResult_->setText(ToQString(writeResultText_(MessageLanguage(state_.LanguageIsEnglish))));
    writeResult_->setAccessibleName(writeResult_->text());
}

void MainWindow::StartCheckedWrite(const BackupEntry* restore) {
    if (TransferRunning()) return;
    // The last write is over; it goes before the set-up it wrote can.
    lastDriver_ = &driver_;
    checkedWrite_.reset();
    CheckedWriteOptions options;
    options.backupFirst = program_.Options().backupBeforeWrite;
    options.verify = program_.Options().verifyAfterWrite;
    ProgramState* written = &state_;
    if (restore != nullptr) {
        // The backup's own set-up answers for its band and calibration; the shown one is left as
        // it is.
        auto state = std::make_unique<ProgramState>(state_);
        ImageBytes image{};
        Status opened = ReadDatFile(restore->path, image);
        if (opened.ok()) opened = OpenSetupFile(restore->path, *state, program_.MessageBox());
        if (!opened.ok()) {
            ShowMessage(opened);
            return;
        }
        options.image = image;
        restoreState_ = std::move(state);
        written = restoreState_.get();
    }
    program_.History().BeginGroup();
    transferGroup_ = true;
    transfer_ = RunningTransfer::Write;
    NewBackupKeeper();
    ShowWriteResult(nullptr);
    checkedWrite_ = std::make_unique<CheckedWrite>(*written, program_.MessageBox(), port_, *this,
                                                   &backupKeeper_);
    if (written == &state_) {
        checkedWrite_->Driver().SetStateChangedHandler(
            [this](Changes changes) { program_.Changed(changes); });
    }
    checkedWrite_->SetFinishedHandler(
        [this](const CheckedWriteResult& result) { CheckedWriteFinished(result); });
    lastDriver_ = &checkedWrite_->Driver();
    checkedWrite_->Start(options);
}

void MainWindow::CheckedWriteFinished(const CheckedWriteResult& result) {
    if (result.step == CheckedWriteStep::BackupRead &&
        result.outcome != TransferOutcome::PortNotOpen) {
        ShowWriteResult([](Language language) {
            return std::string(DesktopTextOf(DesktopText::WriteStoppedAtBackup, language));
        });
    } else if (result.WriteCompleted() && result.step == CheckedWriteStep::VerifyRead) {
        if (!result.readBack) {
            ShowWriteResult([](Language language) {
                return std::string(DesktopTextOf(DesktopText::WriteNotVerified, language));
            });
        } else if (result.differences.empty()) {
            ShowWriteResult([](Language language) {
                return CompareText(CompareTextId::VerifyPassed, language);
            });
        } else {
            const std::string count = std::to_string(result.differences.size());
            ShowWriteResult([count](Language language) {
                return CompareText(CompareTextId::VerifyFailed, language, {count});
            });
            const Language language = MessageLanguage(state_.LanguageIsEnglish);
            program_.MessageBox().LocalMsgBoxWithDetails(
                CompareText(CompareTextId::VerifyFailed, language, {count}),
                DescribeDifferences(result.differences, DifferenceWording::Verify, language,
                                    kDifferencesListed),
                kStyleOkStop, "");
        }
    }
    TellBackupProblem();
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
