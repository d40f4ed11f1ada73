// The main window's write of the radio and what comes with it: the checked write (the backup
// first, the read-back after), the set-up of a backup being written back, the keeper of the
// backups of every read and write, the result line of the status bar, and how a backup that could
// not be saved is told. One object the main window owns, laid out so that it ends in the order it
// needs: the run goes before the set-up it writes, and before the keeper and the line it uses.
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "gui/shell/program.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "link/qt/checked_write.h"
#include "rules/backups/backups.h"

class QLabel;

namespace qv {

class RadioWrite : public QObject, public TransferView {
    Q_OBJECT

  public:
    // Writes through `port`; every step shows in `window` as a transfer of its own.
    RadioWrite(Program& program, SerialPort& port, TransferView& window);
    ~RadioWrite() override;

    // How the last write ended beyond the radio's acknowledgements (verified, or why not), in the
    // language shown; the main window puts it in its status bar.
    QLabel* ResultLine() const { return resultLine_; }

    // Writes the set-up shown, with the backup first and the read-back as the user chose; with
    // `restore`, that backup's bytes as they are, its own set-up answering for its band. False
    // when nothing started: the backup could not be opened, which is told.
    bool Start(const BackupEntry* restore = nullptr);
    bool IsRunning() const { return run_ && run_->IsRunning(); }
    // The driver of the write started last; nothing before the first.
    const TransferDriver* Driver() const { return run_ ? &run_->Driver() : nullptr; }

    // Keeps what a read of the radio on `port` brought (the window's read, a comparison); a backup
    // that could not be saved is told once the read's own handling is over.
    void KeepRead(const ImageBytes& image, int band, const PortName& port);

    // TransferView: passed on to the window, except that nothing comes back between the steps of
    // the write, and its success is shown once what became of its backups has been told.
    void SetTransferControlsEnabled(bool enabled) override;
    void EnableBandFrameAndFocus() override { window_.EnableBandFrameAndFocus(); }
    void SetStatusText(const std::string& text) override;
    void SetStatusVisible(bool visible) override { window_.SetStatusVisible(visible); }
    void ShowProgress(int maximum, int value) override { window_.ShowProgress(maximum, value); }
    void SetProgressValue(int value) override { window_.SetProgressValue(value); }
    void HideProgress() override { window_.HideProgress(); }
    void TransferFinished(TransferOutcome outcome) override { window_.TransferFinished(outcome); }

  private:
    Language CurrentLanguage() const;
    // Asked when the memory read before the write could not be kept: write without a backup?
    bool WriteWithoutBackup(const SavedBackup& backup);
    void Finished(const CheckedWriteResult& result);
    void TellUnsaved(const SavedBackup& backup);
    // The result line, in every language; nothing hides it.
    void ShowResult(std::function<std::string(Language)> text);
    void RefreshResultLine();

    Program& program_;
    TransferView& window_;
    SerialPort& port_;
    const BackupKeeper keeper_;
    QLabel* resultLine_;  // owned by the status bar it is put in
    std::function<std::string(Language)> resultText_;
    bool toldUnsaved_ = false;  // the question before the write told of its unsaved backup
    // The success the last step showed, until the write's end has been told.
    std::optional<MessageId> heldSuccess_;
    std::unique_ptr<ProgramState> restoreState_;  // the set-up of a backup being written back
    // After what it writes and keeps with, so that it ends first.
    std::unique_ptr<CheckedWrite> run_;
};

}  // namespace qv
