// A write with what makes it trustworthy around it, on one port: first, when asked, a read of the
// radio's memory into a backup; then the write; then, when asked, a read-back compared field by
// field with what the write sent. Every step is a transfer of the same engine and driver, each
// with its own messages, end byte and closed port; a step that does not complete ends the run.
#pragma once

#include <QObject>

#include <filesystem>
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
    bool radioIdentified = false;      // the radio identified itself in the last step
    int radioBand = 0;                 // as the radio identified itself
    TransferFailure failure;           // why the last step failed
    std::optional<ImageBytes> before;  // the radio's memory before the write
    std::optional<std::filesystem::path> beforeBackup;  // where it was kept
    std::optional<ImageBytes> written;                  // what the write sent, once it completed
    bool calibrationWritten = false;
    std::optional<ImageBytes> readBack;  // the radio's memory after the write
    std::vector<SetupDifference> differences;
    bool stopped = false;  // Stop ended the run before its last step

    bool WriteCompleted() const { return written.has_value(); }
    // Every step completed: the write and, when asked, the read-back.
    bool Completed() const {
        return !stopped && (outcome == TransferOutcome::WriteComplete ||
                            outcome == TransferOutcome::ReadComplete);
    }
    bool Verified() const { return readBack.has_value() && differences.empty(); }
};

class CheckedWrite : public QObject, public TransferView {
    Q_OBJECT

  public:
    // `view` sees every step as a transfer of its own, except that only the last step's end is
    // told, once the whole run is over. `backups`, when given, keeps the memory read before the
    // write (before write) and what the radio holds after it (written: the read-back when there is
    // one, else the image the write sent).
    CheckedWrite(ProgramState& state, Host& host, SerialPort& port, TransferView& view,
                 BackupKeeper* backups = nullptr, QObject* parent = nullptr);

    // Called once the run is over, after the view was told.
    void SetFinishedHandler(std::function<void(const CheckedWriteResult&)> handler) {
        finished_ = std::move(handler);
    }

    // Called as each step starts, before its first byte is sent.
    void SetStepHandler(std::function<void(CheckedWriteStep)> handler) {
        stepStarted_ = std::move(handler);
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
    void End(TransferOutcome outcome);

    ProgramState& state_;
    SerialPort& port_;
    TransferView& view_;
    BackupKeeper* backups_;
    TransferDriver driver_;
    CheckedWriteOptions options_;
    CheckedWriteResult result_;
    bool running_ = false;
    bool stopRequested_ = false;
    bool releaseDevice_ = false;  // the run fixed the port's device and lets it go at its end
    std::function<void(const CheckedWriteResult&)> finished_;
    std::function<void(CheckedWriteStep)> stepStarted_;
};

}  // namespace qv
