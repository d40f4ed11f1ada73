// A write with what makes it trustworthy around it, on one port: first, when asked, a read of the
// radio's memory into a backup; then the write; then, when asked, a read-back compared field by
// field with what the write sent. Every step is a transfer of the same engine and driver, each
// with its own messages, end byte and closed port; a step that does not complete ends the run.
// The run reports what happened as data (the steps, the failure, the backups); its callers word
// it.
#pragma once

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

#include "link/core/link_host.h"
#include "link/core/transfer_failure.h"
#include "link/qt/transfer_driver.h"
#include "rules/backups/backups.h"
#include "rules/compare/setup_compare.h"

namespace qv {

struct CheckedWriteOptions {
    bool backupFirst = false;  // read the radio into a backup before writing
    bool verify = false;       // read the radio back and compare
    // Written as it is instead of the set-up's image (a backup going back).
    std::optional<ImageBytes> image;
};

enum class CheckedWriteStep { BackupRead, Write, VerifyRead };

struct CheckedWriteResult {
    // How the last step ended: WriteComplete or ReadComplete when every step completed.
    TransferOutcome outcome = TransferOutcome::CommunicationError;
    CheckedWriteStep step = CheckedWriteStep::Write;  // the last step that ran
    PortName port;                                    // the port every step opened
    PortOpenError portError = PortOpenError::None;    // why it did not open, when it did not
    PortDiagnosis portDiagnosis;       // and what the system showed then that keeps it from working
    bool radioIdentified = false;      // the radio identified itself in the last step
    int radioBand = 0;                 // as the radio identified itself
    TransferFailure failure;           // why the last step failed
    std::optional<ImageBytes> before;  // the radio's memory before the write
    std::optional<SavedBackup> beforeBackup;  // what became of its backup
    bool heldForBackup = false;  // that backup could not be saved, and the write did not go on
    std::optional<ImageBytes> written;  // what the write sent, once it completed
    bool calibrationWritten = false;
    std::optional<ImageBytes> readBack;  // the radio's memory after the write
    std::vector<SetupDifference> differences;
    // What the radio holds after the write (Written: read back, or the memory read before the
    // write with the written blocks over it), or else what was sent (Sent).
    std::optional<SavedBackup> afterBackup;
    bool stopped = false;  // Stop ended the run before its last step

    bool WriteCompleted() const { return written.has_value(); }
    // Every step completed: the write and, when asked, the read-back.
    bool Completed() const {
        return !stopped && !heldForBackup &&
               (outcome == TransferOutcome::WriteComplete ||
                outcome == TransferOutcome::ReadComplete);
    }
    bool Verified() const { return readBack.has_value() && differences.empty(); }
    // The first backup of the run that could not be saved, if any.
    const SavedBackup* UnsavedBackup() const;
};

class CheckedWrite : public QObject, public TransferView {
    Q_OBJECT

  public:
    // `view` sees every step as a transfer of its own, except that only the last step's end is
    // told, once the whole run is over and its backups are kept. `backups`, when given, keeps the
    // memory read before the write (before write) and what the radio holds after it (written),
    // or what was sent (sent) when the radio was neither read before nor after.
    CheckedWrite(ProgramState& state, Host& host, SerialPort& port, TransferView& view,
                 const BackupKeeper* backups = nullptr, QObject* parent = nullptr);

    // Called once the run is over, after the view was told.
    void SetFinishedHandler(std::function<void(const CheckedWriteResult&)> handler) {
        finished_ = std::move(handler);
    }

    // Called as each step starts, before its first byte is sent.
    void SetStepHandler(std::function<void(CheckedWriteStep)> handler) {
        stepStarted_ = std::move(handler);
    }

    // Asked when the memory read before the write could not be kept as a backup, with what became
    // of it: true writes the radio all the same. Without an answer, the radio is not written.
    void SetWithoutBackupHandler(std::function<bool(const SavedBackup&)> handler) {
        withoutBackup_ = std::move(handler);
    }

    // Does nothing while a run is going on.
    void Start(const CheckedWriteOptions& options);
    bool IsRunning() const { return running_; }
    // Ends the run: the step running gives up as its watchdog would, and no later step starts.
    // The finished handler is called as for any other end, with `stopped` set when a step was left
    // out. Does nothing when no run is going on.
    void Stop();
    const CheckedWriteResult& Result() const { return result_; }
    TransferDriver& Driver() { return driver_; }

    // TransferView: passed on to the view.
    void SetTransferControlsEnabled(bool enabled) override {
        view_.SetTransferControlsEnabled(enabled);
    }
    void EnableBandFrameAndFocus() override { view_.EnableBandFrameAndFocus(); }
    void SetStatusText(const std::string& text) override { view_.SetStatusText(text); }
    void SetStatusVisible(bool visible) override { view_.SetStatusVisible(visible); }
    void ShowProgress(int maximum, int value) override { view_.ShowProgress(maximum, value); }
    void SetProgressValue(int value) override { view_.SetProgressValue(value); }
    void HideProgress() override { view_.HideProgress(); }
    void TransferFinished(TransferOutcome outcome) override;

  private:
    void RunStep(CheckedWriteStep step);
    void StepEnded(TransferOutcome outcome);
    // Runs `step` after a step that ended with `outcome`, unless a stop came first.
    void Next(CheckedWriteStep step, TransferOutcome outcome);
    // Keeps what the radio holds after a completed write, as well as the run knows it.
    void KeepWhatTheRadioHolds();
    void End(TransferOutcome outcome);

    ProgramState& state_;
    SerialPort& port_;
    TransferView& view_;
    const BackupKeeper* backups_;
    TransferDriver driver_;
    CheckedWriteOptions options_;
    CheckedWriteResult result_;
    bool running_ = false;
    bool stopRequested_ = false;
    bool releaseDevice_ = false;  // the run fixes the port's device for each step and lets it go
    std::function<void(const CheckedWriteResult&)> finished_;
    std::function<void(CheckedWriteStep)> stepStarted_;
    std::function<bool(const SavedBackup&)> withoutBackup_;
};

}  // namespace qv
