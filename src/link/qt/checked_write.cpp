#include "link/qt/checked_write.h"

namespace qv {

CheckedWrite::CheckedWrite(ProgramState& state, Host& host, SerialPort& port, TransferView& view,
                           BackupKeeper* backups, QObject* parent)
    : QObject(parent),
      state_(state),
      view_(view),
      backups_(backups),
      driver_(state, host, port, *this) {}

void CheckedWrite::Start(const CheckedWriteOptions& options) {
    if (running_ || driver_.Engine().IsRunning()) return;
    running_ = true;
    stopRequested_ = false;
    options_ = options;
    result_ = {};
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
    switch (result_.step) {
        case CheckedWriteStep::BackupRead:
            if (outcome != TransferOutcome::ReadComplete) return End(outcome);
            result_.before = driver_.Engine().CapturedImageBytes();
            if (backups_ != nullptr) {
                result_.beforeBackup =
                    backups_->Keep(*result_.before, result_.radioBand, BackupKind::BeforeWrite);
            }
            return Next(CheckedWriteStep::Write, outcome);
        case CheckedWriteStep::Write:
            if (outcome != TransferOutcome::WriteComplete) return End(outcome);
            result_.written = vars.WriteImage;
            if (options_.verify) return Next(CheckedWriteStep::VerifyRead, outcome);
            if (backups_ != nullptr) {
                backups_->Keep(*result_.written, result_.radioBand, BackupKind::Written);
            }
            return End(outcome);
        case CheckedWriteStep::VerifyRead:
            if (outcome != TransferOutcome::ReadComplete) return End(outcome);
            result_.readBack = driver_.Engine().CapturedImageBytes();
            result_.differences =
                CompareImages({*result_.written, result_.radioBand},
                              {*result_.readBack, result_.radioBand}, result_.calibrationWritten);
            if (backups_ != nullptr) {
                backups_->Keep(*result_.readBack, result_.radioBand, BackupKind::Written);
            }
            return End(outcome);
    }
}

void CheckedWrite::Next(CheckedWriteStep step, TransferOutcome outcome) {
    if (!stopRequested_) return RunStep(step);
    result_.stopped = true;
    if (step == CheckedWriteStep::VerifyRead && backups_ != nullptr) {
        backups_->Keep(*result_.written, result_.radioBand, BackupKind::Written);
    }
    End(outcome);
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
