// The main window's commands, and what a transfer shows in it.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

#include <algorithm>
#include <utility>

#include "gui/dialogs/fleet_write_window.h"
#include "gui/dialogs/programming_station_window.h"
#include "gui/mainwindow/band_list.h"
#include "gui/mainwindow/channel_grid_view.h"
#include "gui/mainwindow/main_window.h"
#include "gui/mainwindow/port_status_line.h"
#include "gui/mainwindow/setup_file_messages.h"
#include "gui/shell/captions.h"
#include "gui/shell/local_path.h"
#include "gui/shell/web_link.h"
#include "i18n/msgbox.h"
#include "image/image_codec.h"
#include "link/core/port_choice.h"
#include "rules/channels/band_rules.h"
#include "rules/channels/lock_rules.h"
#include "rules/dialogs/service_access.h"
#include "rules/dialogs/time_of_day.h"
#include "rules/program/dat_file.h"
#include "rules/program/decode_image.h"
#include "rules/program/file_commands.h"
#include "rules/program/language_rules.h"
#include "rules/program/parameter_file.h"
#include "rules/program/safe_save.h"
#include "rules/program/transfer_holds.h"
#include "rules/program/unsaved_changes.h"
#include "rules/setup_text/setup_files.h"
#include "rules/setup_text/setup_text.h"

namespace qv {
namespace {

// How often a quit that waits for a transfer looks whether it has ended.
constexpr int kIdleCheckMs = 50;

// A menu by its item in the menu bar, a command by its action (the menu item, its toolbar button
// and its keys together), any other control as a widget.
void SetControlEnabled(QObject& control, bool enabled) {
    if (auto* menu = qobject_cast<QMenu*>(&control)) {
        menu->menuAction()->setEnabled(enabled);
    } else if (auto* action = qobject_cast<QAction*>(&control)) {
        action->setEnabled(enabled);
    } else if (auto* widget = qobject_cast<QWidget*>(&control)) {
        widget->setEnabled(enabled);
    }
}

}  // namespace

void MainWindow::Run(const CommandRow& row) {
    switch (row.command) {
        case Command::New:
            NewSetup();
            break;
        case Command::Open:
            OpenSetup();
            break;
        case Command::Save:
            SaveSetup();
            break;
        case Command::ImportChannels:
            ImportChannels();
            break;
        case Command::ExportChannels:
            ExportChannels();
            break;
        case Command::RestoreFromBackup:
            RestoreFromBackup();
            break;
        case Command::Print:
            PrintSetup();
            break;
        case Command::ExportPdf:
            ExportPdf();
            break;
        case Command::Quit:
            close();
            break;
        case Command::Undo:
            program_.History().Stack().undo();
            break;
        case Command::Redo:
            program_.History().Stack().redo();
            break;
        case Command::Copy:
            CopySelectedCells();
            break;
        case Command::Paste:
            PasteIntoGrid();
            break;
        case Command::Read:
            if (MayReplaceSetup()) StartRead();
            break;
        case Command::Write:
            StartCheckedWrite();
            break;
        case Command::VerifyAfterWrite:
        case Command::BackupBeforeWrite:
            ToggleWriteOption(row.command, Action(row.command)->isChecked());
            break;
        case Command::CompareWithRadio:
            CompareWithRadio();
            break;
        case Command::WriteSeveralRadios:
            WriteSeveralRadios();
            break;
        case Command::ProgrammingStation:
            RunProgrammingStation();
            break;
        case Command::OptionalFunctions:
            Dialog(WindowId::Form5).ShowWindow();
            break;
        case Command::Keys:
            Dialog(WindowId::Form6).ShowWindow();
            break;
        case Command::EmbeddedInformation:
            Dialog(WindowId::Form7).ShowWindow();
            break;
        case Command::Debug:
            Dialog(WindowId::Form2).ShowWindow();
            break;
        case Command::TestFrequencies:
            Dialog(WindowId::Form4).ShowWindow();
            break;
        case Command::Lock:
            program_.Changed(ToggleLock(state_));
            break;
        case Command::FindRadio:
            FindRadio();
            break;
        case Command::Port:
            ChoosePortItem(row.port);
            break;
        case Command::Chinese:
            ChooseLanguageCommand(false);
            break;
        case Command::English:
            ChooseLanguageCommand(true);
            break;
        case Command::Help:
            OpenHelpFile(program_.Paths(), state_.LanguageIsEnglish);
            break;
        case Command::About:
            Dialog(WindowId::About).ShowWindow();
            break;
        case Command::Relock:
            RelockCalibration();
            break;
        case Command::Separator:
            break;
    }
}

void MainWindow::ChoosePortItem(int port) {
    ChoosePort(state_, program_.MessageBox(), port_, port);
    // What was learned of another port, or of the same number when it stands for another device
    // now, says nothing of the port a transfer opens next.
    if (portStatus_->Port() != port_.Name()) portStatus_->Clear();
    program_.Changed(StatePart::Ports);
}

void MainWindow::NewSetup() {
    if (!MayReplaceSetup()) return;
    const Changes changes = NewCommand(state_, program_.MessageBox());
    if (changes.Empty()) return;
    program_.Changed(changes);
    program_.History().MarkUnchanged({});
}

bool MainWindow::MayReplaceSetup() {
    if (!program_.History().Modified()) return true;
    switch (AskToKeepChanges(state_, program_.MessageBox())) {
        case KeepChanges::Save:
            return SaveSetup();
        case KeepChanges::Discard:
            return true;
        case KeepChanges::Cancel:
            break;
    }
    return false;
}

void MainWindow::StartRead() {
    if (TransferRunning()) return;
    // What a read brings (the image, then the radio's band) is one step.
    program_.History().BeginGroup();
    transferGroup_ = true;
    transfer_ = RunningTransfer::Read;
    driver_.StartRead();
}

void MainWindow::OpenSetup() {
    if (!MayReplaceSetup()) return;
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(OpenSetupFilters(MessageLanguage(state_.LanguageIsEnglish)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString file = dialog.selectedFiles().front();
    if (!file.isEmpty()) OpenSetupFrom(file);
}

void MainWindow::OpenSetupFrom(const QString& file) {
    // A *.DAT or a set-up as text, by its name; either replaces the set-up in one step.
    const SetupFileRead opened = OpenAnySetupFile(LocalPath(file), state_, program_.MessageBox());
    const Language language = MessageLanguage(state_.LanguageIsEnglish);
    if (!opened.ok()) {
        if (opened.status.ok()) {
            TellSetupFileRefused(program_.MessageBox(), QFileInfo(file).fileName().toStdString(),
                                 opened, language);
        } else {
            ShowMessage(opened.status);
        }
        return;
    }
    program_.Changed(kDecodedImageChanges);
    program_.History().MarkUnchanged(
        QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()).toStdString());
    TellMissingSections(program_.MessageBox(), opened.text.missing, language);
}

bool MainWindow::SaveSetup() {
    // The set-up as shown when Save is chosen: a read that ends while the dialog is open must not
    // put the radio's set-up into the file instead.
    const ImageBytes shown = EncodeImage(state_);
    const WrittenSetupText shownText = WriteSetupText(state_);
    const int shownStep = program_.History().Stack().index();
    const Language language = MessageLanguage(state_.LanguageIsEnglish);
    for (;;) {
        QFileDialog dialog(this);
        dialog.setObjectName(QStringLiteral("CommonDialog1"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(SaveSetupFilters(language));
        dialog.setDefaultSuffix(QStringLiteral("DAT"));
        // A name typed without an extension takes the one of the kind chosen.
        connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            dialog.setDefaultSuffix(SuffixOfFilter(filter));
        });
        // The program asks its own question, in its own language, and No returns to the dialog.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        const QString file = QFileInfo(dialog.selectedFiles().front()).absoluteFilePath();
        if (QFileInfo::exists(file) && !ConfirmOverwrite(state_, program_.MessageBox())) continue;
        // The kind is the name's: a *.yaml or *.yml file gets the set-up as text.
        const bool text = SetupFileKindOf(LocalPath(file)) == SetupFileKind::Text;
        const Status saved = text ? WriteSetupTextFile(LocalPath(file), shownText.text)
                                  : WriteDatFile(LocalPath(file), shown);
        if (!saved.ok()) {
            ShowMessage(saved);
            return false;
        }
        if (text) {
            TellRefusedValues(program_.MessageBox(), QFileInfo(file).fileName().toStdString(),
                              shownText.refused, language);
        }
        // The file holds the set-up shown, unless another came meanwhile.
        if (program_.History().Stack().index() == shownStep) {
            program_.History().MarkUnchanged(QDir::toNativeSeparators(file).toStdString());
        }
        return true;
    }
}

void MainWindow::ShowMessage(const Status& status) {
    program_.MessageBox().LocalMsgBox(status.Describe(MessageLanguage(state_.LanguageIsEnglish)),
                                      FileMessageStyle(status), "");
}

void MainWindow::ChooseBand(int position) {
    program_.Changed(SelectBandPosition(state_, program_.MessageBox(), position));
}

void MainWindow::ChooseLanguageCommand(bool english) {
    program_.Changed(ChooseLanguage(state_, english));
}

void MainWindow::RelockCalibration() {
    // Every click counts: two less than a second apart close calibration access.
    program_.Changed(ClickServiceButton(state_, TimeOfDayMs()));
}

void MainWindow::CheckSettingsCanBeKept() {
    if (toldSettingsNotKept_) return;
    if (CheckSaveTarget(LocalPath(program_.Paths().parameterFile)).ok()) return;
    toldSettingsNotKept_ = true;
    program_.MessageBox().LocalMsgBox(
        std::string(
            MessageText(MessageId::SettingsNotKept, MessageLanguage(state_.LanguageIsEnglish))),
        kStyleOkInformation, "");
}

bool MainWindow::RadioBusy() const {
    if (TransferRunning()) return true;
    const QList<FleetWriteWindow*> fleets = findChildren<FleetWriteWindow*>();
    const QList<ProgrammingStationWindow*> stations = findChildren<ProgrammingStationWindow*>();
    return std::any_of(fleets.begin(), fleets.end(),
                       [](const FleetWriteWindow* fleet) { return fleet->IsWriting(); }) ||
           std::any_of(
               stations.begin(), stations.end(),
               [](const ProgrammingStationWindow* station) { return station->IsRunning(); });
}

void MainWindow::QuitOnceIdle() {
    if (idleCheck_ != nullptr) return;
    // A station would wait for radios for ever: it takes no more, and ends with those it has.
    for (ProgrammingStationWindow* station : findChildren<ProgrammingStationWindow*>()) {
        station->StopTakingRadios();
    }
    // Looked at often enough that the program ends right after the radio's end byte; the
    // transfers end in code that is not the window's (a step of a write, a radio of several).
    idleCheck_ = new QTimer(this);
    idleCheck_->setInterval(kIdleCheckMs);
    connect(idleCheck_, &QTimer::timeout, this, &MainWindow::QuitIfIdle);
    idleCheck_->start();
}

void MainWindow::QuitIfIdle() {
    if (RadioBusy()) return;
    delete std::exchange(idleCheck_, nullptr);
    // A window that waited with the transfer (the several radios' window, the station's) closes
    // first.
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (!modal->close()) break;
    }
    close();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance() && RadioBusy()) {
        QuitOnceIdle();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (RadioBusy()) {
        event->ignore();
        if (idleCheck_ != nullptr) return;  // asked already: the program ends after it
        const std::string question(MessageText(MessageId::QuitAfterTransferQuestion,
                                               MessageLanguage(state_.LanguageIsEnglish)));
        if (program_.MessageBox().LocalMsgBox(question, kStyleYesNoQuestionDefaultNo, "") ==
            kIdYes) {
            QuitOnceIdle();
        }
        return;
    }
    if (!program_.Exiting() && !MayReplaceSetup()) {
        event->ignore();
        return;
    }
    const Status written =
        WriteParameterFile(LocalPath(program_.Paths().parameterFile), ParametersOf(state_));
    if (!written.ok() && !toldSettingsNotKept_) {
        toldSettingsNotKept_ = true;
        ShowMessage(written);
    }
    program_.BeginExit();
    for (auto& [window, dialog] : dialogs_) dialog->close();
    event->accept();
}

// --- what a transfer shows ---

void MainWindow::SetTransferControlsEnabled(bool enabled) {
    heldWithTheTransfer_ = heldUntilTheResult_ = !enabled;
    RefreshLock();
}

void MainWindow::HoldTransferControls() {
    for (const TransferHold& hold : kTransferHolds) {
        // A dialog not made yet takes the holds as it is made.
        const auto dialog = dialogs_.find(hold.window);
        if (hold.window != WindowId::Form1 && dialog == dialogs_.end()) continue;
        QWidget& window =
            hold.window == WindowId::Form1 ? static_cast<QWidget&>(*this) : *dialog->second;
        for (QObject* control : ControlsNamed(window, ToQString(hold.control))) {
            SetControlEnabled(*control, !Held(hold.ends));
        }
    }
    // The lock still holds what it holds when a transfer gives it back.
    if (!state_.Frame2Enabled) frame2_->setEnabled(false);
    if (!state_.Grid1Enabled) grid_->setEnabled(false);
    RefreshEditCommands();
}

void MainWindow::EnableBandFrameAndFocus() {
    frame1_->setEnabled(true);
    combo1_->setFocus();
}

void MainWindow::SetStatusText(const std::string& text) {
    statusMessage_ = MessageOfText(text);
    status_->setText(ToQString(text));
}

void MainWindow::SetStatusVisible(bool visible) {
    status_->setVisible(visible);
}

void MainWindow::ShowProgress(int maximum, int value) {
    progress_->setRange(0, maximum);
    progress_->setValue(value);
    progress_->show();
}

void MainWindow::SetProgressValue(int value) {
    progress_->setValue(value);
}

void MainWindow::HideProgress() {
    progress_->hide();
}

void MainWindow::ShowFailure(RunningTransfer failed) {
    // A write tells how it ended in its own result line.
    static constexpr std::pair<RunningTransfer, MessageId> kFailureStatus[] = {
        {RunningTransfer::Read, MessageId::ReadFailed},
        {RunningTransfer::Compare, MessageId::CompareFailed},
    };
    for (const auto& [transfer, message] : kFailureStatus) {
        if (transfer != failed) continue;
        statusMessage_ = message;
        status_->setText(
            ToQString(MessageText(message, MessageLanguage(state_.LanguageIsEnglish))));
        status_->show();
    }
}

void MainWindow::TransferFinished(TransferOutcome outcome) {
    const RunningTransfer ended = transfer_;
    transfer_ = RunningTransfer::None;
    const bool read = ended == RunningTransfer::Read && outcome == TransferOutcome::ReadComplete;
    if (transferGroup_) {
        transferGroup_ = false;
        program_.History().EndGroup();
        // The set-up read came from the radio, from no file, and is the radio's as it stands.
        if (read) program_.History().MarkUnchanged({});
    }
    if (read) {
        radioWrite_.KeepRead(driver_.Engine().CapturedImageBytes(),
                             driver_.Engine().Variables().IdentifiedBand, port_.Name());
    }
    // A write that failed in one of its steps gives the controls back now; one that succeeded
    // gives them back once its result has blinked out.
    if (ended == RunningTransfer::Write && heldUntilTheResult_ &&
        !radioWrite_.Driver()->Engine().Variables().LingerActive) {
        SetTransferControlsEnabled(true);
    }
    // The engine tells its end from inside its handling of the radio's reply: the windows a
    // transfer ends with open once that is over.
    if (ended == RunningTransfer::Compare && outcome == TransferOutcome::ReadComplete) {
        QMetaObject::invokeMethod(this, &MainWindow::ShowComparison, Qt::QueuedConnection);
    }
    if (outcome == TransferOutcome::CommunicationError) ShowFailure(ended);
    ShowPortStatusAfter(ended, outcome);
    // The data is in: what edits the set-up answers at once; the toolbar and the Programming
    // menu wait for the result to blink out.
    if (heldWithTheTransfer_) {
        heldWithTheTransfer_ = false;
        HoldTransferControls();
    }
}

}  // namespace qv
