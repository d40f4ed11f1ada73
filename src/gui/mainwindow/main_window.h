// The main window Form1: menu bar, toolbar, the channel grid, the band frame, the
// function-settings frame, the rights line, the status label and the progress bar. It owns the
// serial port, the transfer driver and every dialog; it shows the program state and turns the
// user's actions into core operations, and refreshes every part an operation changed.
#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/mainwindow/channel_grid_model.h"
#include "gui/mainwindow/command_table.h"
#include "gui/mainwindow/radio_write.h"
#include "gui/shell/dialog_window.h"
#include "gui/shell/program.h"
#include "i18n/messages.h"
#include "link/qt/checked_write.h"
#include "link/qt/radio_detection.h"
#include "link/qt/serial_port.h"
#include "link/qt/transfer_driver.h"
#include "rules/program/transfer_holds.h"
#include "state/status.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QTimer;
class QToolBar;

namespace qv {

class BandList;
class ChannelGridView;
class PortStatusLine;

class MainWindow : public QMainWindow, public TransferView {
    Q_OBJECT

  public:
    explicit MainWindow(Program& program);
    ~MainWindow() override;

    // Whether the parameter file can be written where the program keeps it; says so once, in the
    // current language, when it cannot.
    void CheckSettingsCanBeKept();

  protected:
    // While a transfer runs (a read, a write with its backup and read-back, a comparison, radios
    // written together), Quit and the close box ask first, and the program ends once the
    // transfer has: a radio is never left half written. A session's end (logout, a termination
    // signal: the application's quit) waits for it without a question.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Looking for the radio counts as a transfer: it opens every port and starts no other one.
    enum class RunningTransfer { None, Read, Write, Compare, Find };

    void BuildCommands();
    QAction* MakeAction(const CommandRow& row);
    void BuildToolbar();
    void BuildCentralWidget();
    void BuildStatusBar();
    // A dialog, made when it is first needed: with the captions of the language shown, the state
    // of the set-up and what a running transfer holds back in it.
    DialogWindow& Dialog(WindowId window);
    // True from the start of a transfer until its last step has ended.
    bool TransferRunning() const { return transfer_ != RunningTransfer::None; }
    // A transfer of this window, of the window that writes several radios, or a programming
    // station runs.
    bool RadioBusy() const;
    // The program ends once no transfer runs any more; a programming station takes no more
    // radios.
    void QuitOnceIdle();
    void QuitIfIdle();
    // The window's size at start-up in the language shown.
    QSize SizeToShowTheChannels() const;

    // Showing the state.
    void Refresh(Changes changes);
    void ApplyLanguage();
    void RefreshBandFrame();
    void RefreshSettingsFrame();
    void RefreshLock();
    // Disables what waits while a transfer runs, or gives it back where the lock allows.
    void HoldTransferControls();
    bool Held(HoldEnds ends) const {
        return ends == HoldEnds::WithTheTransfer ? heldWithTheTransfer_ : heldUntilTheResult_;
    }
    void RefreshPortMenu();
    // Each port item with what its COMn stands for beside its caption (device and chip), looked
    // up now.
    void RefreshPortItems();
    // A port item chosen: the port opened, or why it will not open.
    void ChoosePortItem(int port);

    // Commands.
    void Run(const CommandRow& row);
    QAction* Action(Command command) const { return actions_.at(command); }
    void NewSetup();
    void OpenSetup();
    // Opens `file` as the set-up shown: one step, the title naming it; a refusal is told.
    void OpenSetupFrom(const QString& file);
    // True when the set-up was saved.
    bool SaveSetup();
    // Before a command replaces the set-up: true when it may, the changes not saved having been
    // saved or given up; false when the user cancelled.
    bool MayReplaceSetup();
    void StartRead();
    void RefreshTitle();
    // Undo, Redo and Paste as the history, the lock and a transfer allow.
    void RefreshEditCommands();

    // Edit menu (main_window_edit.cpp).
    void CopySelectedCells();
    void PasteIntoGrid();

    // Channel plans and the printed page (main_window_plans.cpp).
    void ImportChannels();
    void ExportChannels();
    void PrintSetup();
    void ExportPdf();
    // A file name chosen in a save dialog titled `title` with `filter` and `suffix`, asked about
    // when it exists; empty when the user cancelled.
    QString ChooseFileToWrite(const QString& title, const QString& filter, const QString& suffix);
    void ShowMessage(const Status& status);
    void ChooseBand(int position);
    void ChooseLanguageCommand(bool english);
    void RelockCalibration();

    // A write with its backup and verify, backups and restoring one (main_window_write.cpp).
    void ToggleWriteOption(Command command, bool checked);
    void RefreshWriteOptions();
    // A write of the shown set-up with the backup and verify chosen; with `restore`, the bytes of
    // that backup as they are, the band question asked about the backup's band.
    void StartCheckedWrite(const BackupEntry* restore = nullptr);
    void RestoreFromBackup();
    // The shown set-up against the radio (main_window_compare.cpp).
    void CompareWithRadio();
    void ShowComparison();
    // Writing several radios at once (main_window_fleet.cpp).
    void WriteSeveralRadios();
    // Radio after radio, with no click between them (main_window_station.cpp).
    void RunProgrammingStation();
    // Looking for the radio on every port (main_window_find.cpp): started, and what it found.
    void FindRadio();
    void RadiosFound();
    // Which of the ports at `found` (positions in the look) to use, asked; none when cancelled.
    std::optional<std::size_t> AskWhichRadio(const std::vector<std::size_t>& found);
    // What the look found on every port, in the message box that ends it.
    void ShowWhatWasFound(const std::vector<std::size_t>& found, std::optional<std::size_t> chosen);
    // The status line tells what the look found on the port a transfer opens now, when it was
    // looked at.
    void ShowPortStatusOfLook();
    // The status line of the chosen port after the transfer that ended with `outcome`.
    void ShowPortStatusAfter(RunningTransfer ended, TransferOutcome outcome);

    // TransferView.
    void SetTransferControlsEnabled(bool enabled) override;
    void EnableBandFrameAndFocus() override;
    void SetStatusText(const std::string& text) override;
    void SetStatusVisible(bool visible) override;
    void ShowProgress(int maximum, int value) override;
    void SetProgressValue(int value) override;
    void HideProgress() override;
    void TransferFinished(TransferOutcome outcome) override;
    // The status bar says how a transfer that ended with the communication error ended; it stays
    // until the next transfer.
    void ShowFailure(RunningTransfer failed);

    Program& program_;
    ProgramState& state_;
    SerialPort port_;
    TransferDriver driver_;
    // The write and its backups, after the port it writes through, so that it ends first.
    RadioWrite radioWrite_;
    // The look for the radio, with serial ports of its own.
    RadioDetection detection_;
    ChannelGridModel gridModel_;

    ChannelGridView* grid_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    BandList* combo1_ = nullptr;
    std::array<QComboBox*, 6> settings_{};
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    PortStatusLine* portStatus_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMenu* portMenu_ = nullptr;
    std::map<Command, QAction*> actions_;        // every command but the port items
    std::array<QAction*, 9> portItems_{};        // index 0 unused
    std::map<WindowId, DialogWindow*> dialogs_;  // the dialogs made so far
    bool toldSettingsNotKept_ = false;
    QTimer* idleCheck_ = nullptr;  // while a quit waits for a transfer
    // What a transfer holds back, from its start until the transfer has ended and until its
    // result has blinked out.
    bool heldWithTheTransfer_ = false;
    bool heldUntilTheResult_ = false;
    bool transferGroup_ = false;  // a transfer's changes are being gathered into one step
    RunningTransfer transfer_ = RunningTransfer::None;
    // The chosen port was open when the look for the radio began, which closed it.
    bool reopenAfterFind_ = false;
    // The message the status label shows, to show it again in another language.
    std::optional<MessageId> statusMessage_;
};

}  // namespace qv
