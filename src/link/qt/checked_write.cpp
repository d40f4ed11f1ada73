#include "link/qt/checked_write.h"

#include "image/written_bytes.h"

namespace qv {

const SavedBackup* CheckedWriteResult::UnsavedBackup() const {
    for (const std::optional<SavedBackup>* backup : {&beforeBackup, &afterBackup}) {
        if (*backup && !(*backup)->Saved()) return &**backup;
    }
    return nullptr;
}

CheckedWrite::CheckedWrite(ProgramState& state, Host& host, SerialPort& port, TransferView& view,
                           const BackupKeeper* backups, QObject* parent)
    : QObject(parent),
      state_(state),
      port_(port),
      view_(view),
      backups_(backups),
      driver_(state, host, port, *this) {}

void CheckedWrite::Start(const CheckedWriteOptions& options) {
    if (running_ || driver_.Engine().IsRunning()) return;
    running_ = true;
    stopRequested_ = false;
    options_ = options;
    result_ = {};
    // Every step opens the device the port stood for when the run began.
    releaseDevice_ = !port_.DeviceFixed();
    result_.port = port_.Resolve(state_.CommPortNumber);
    RunStep(options_.backupFirst ? CheckedWriteStep::BackupRead : CheckedWriteStep::Write);
}

void CheckedWrite::Stop() {
    if (!running_) return;
    stopRequested_ = true;
    driver_.Stop();
}

void CheckedWrite::RunStep(CheckedWriteStep step) {
    result_.step = step;
    if (stepStarted_) stepStarted_(step);
    if (releaseDevice_) port_.FixDevice(result_.port);
    switch (step) {
        case CheckedWriteStep::BackupRead:
        case CheckedWriteStep::VerifyRead:
            driver_.StartCapture();
            break;
        case CheckedWriteStep::Write:
            result_.calibrationWritten = state_.CalibrationUnlocked;
            if (options_.image) {
                driver_.StartWriteOf(*options_.image);
            } else {
                driver_.StartWrite();
            }
            break;
    }
}

void CheckedWrite::TransferFinished(TransferOutcome outcome) {
    if (!running_) {
        view_.TransferFinished(outcome);
        return;
    }
    // Between the steps the port is the program's again (its menu chooses by number); the next
    // step fixes the run's device anew.
    if (releaseDevice_) port_.ReleaseDevice();
    // The engine tells its end from inside its own handling of the radio's reply; the next step
    // starts once that handling is over.
    QMetaObject::invokeMethod(
        this, [this, outcome] { StepEnded(outcome); }, Qt::QueuedConnection);
}

void CheckedWrite::StepEnded(TransferOutcome outcome) {
    const LinkVariables& vars = driver_.Engine().Variables();
    // A port that did not open left the variables of the transfer before.
    result_.radioIdentified = outcome != TransferOutcome::PortNotOpen && vars.HandshakePending == 0;
    if (result_.radioIdentified) result_.radioBand = vars.IdentifiedBand;
    result_.failure = vars.Failure;
    if (outcome == TransferOutcome::PortNotOpen) {
        result_.portError = port_.LastOpenError();
        result_.portDiagnosis = port_.Diagnose();
    }
    switch (result_.step) {
        case CheckedWriteStep::BackupRead:
            if (outcome != TransferOutcome::ReadComplete) return End(outcome);
            result_.before = driver_.Engine().CapturedImageBytes();
            if (backups_ != nullptr) {
                result_.beforeBackup =
                    backups_->Keep(*result_.before, result_.radioBand, BackupKind::BeforeWrite,
                                   PortShortName(result_.port));
                // Backup first means that no radio is written without one, unless the user says
                // so knowing it.
                if (!result_.beforeBackup->Saved() &&
                    !(withoutBackup_ && withoutBackup_(*result_.beforeBackup))) {
                    result_.heldForBackup = true;
                    return End(outcome);
                }
            }
            return Next(CheckedWriteStep::Write, outcome);
        case CheckedWriteStep::Write:
            if (outcome != TransferOutcome::WriteComplete) return End(outcome);
            result_.written = vars.WriteImage;
            if (options_.verify) return Next(CheckedWriteStep::VerifyRead, outcome);
            KeepWhatTheRadioHolds();
            return End(outcome);
        case CheckedWriteStep::VerifyRead:
            if (outcome == TransferOutcome::ReadComplete) {
                result_.readBack = driver_.Engine().CapturedImageBytes();
                result_.differences = CompareImages({*result_.written, result_.radioBand},
                                                    {*result_.readBack, result_.radioBand},
                                                    result_.calibrationWritten);
            }
            KeepWhatTheRadioHolds();
            return End(outcome);
    }
}

void CheckedWrite::Next(CheckedWriteStep step, TransferOutcome outcome) {
    if (!stopRequested_) return RunStep(step);
    result_.stopped = true;
    if (step == CheckedWriteStep::VerifyRead) KeepWhatTheRadioHolds();
    End(outcome);
}

void CheckedWrite::KeepWhatTheRadioHolds() {
    if (backups_ == nullptr || !result_.written) return;
    const std::string port = PortShortName(result_.port);
    if (result_.readBack) {
        result_.afterBackup =
            backups_->Keep(*result_.readBack, result_.radioBand, BackupKind::Written, port);
    } else if (result_.before) {
        // The bytes a write does not send stay as the radio had them: the memory read before
        // the write with every written byte over it.
        result_.afterBackup = backups_->Keep(
            KeepWrittenBytes(*result_.written, *result_.before, result_.calibrationWritten),
            result_.radioBand, BackupKind::Written, port);
    } else {
        result_.afterBackup =
            backups_->Keep(*result_.written, result_.radioBand, BackupKind::Sent, port);
    }
}

void CheckedWrite::End(TransferOutcome outcome) {
    // A step given up by Stop ends as the watchdog ends it.
    if (stopRequested_ && outcome == TransferOutcome::CommunicationError) result_.stopped = true;
    result_.outcome = outcome;
    running_ = false;
    view_.TransferFinished(outcome);
    if (finished_) finished_(result_);
}

}  // namespace qv
