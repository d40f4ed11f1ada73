#include "link/qt/radio_report.h"

#include "i18n/fleet_texts.h"
#include "i18n/messages.h"
#include "link/core/port_problem.h"
#include "state/bands.h"

namespace qv {
namespace {

std::string FileName(const SavedBackup& backup) {
    return backup.path.filename().string();
}

}  // namespace

std::string StepText(CheckedWriteStep step, Language language) {
    switch (step) {
        case CheckedWriteStep::BackupRead:
            return FleetText(FleetTextId::StepBackupRead, language);
        case CheckedWriteStep::Write:
            return FleetText(FleetTextId::StepWrite, language);
        case CheckedWriteStep::VerifyRead:
            return FleetText(FleetTextId::StepVerifyRead, language);
    }
    return {};
}

std::string RunFailureReason(const CheckedWriteResult& result, Language language) {
    if (result.outcome == TransferOutcome::PortNotOpen) {
        return PortOpenMessage(result.portError, result.port, language);
    }
    const std::string reason =
        FailureReason(result.failure, result.step == CheckedWriteStep::Write, language);
    if (!reason.empty()) return reason;
    return std::string(MessageText(FailureMessage(result.failure.kind), language));
}

std::string RadioResultText(const CheckedWriteResult& result, Language language) {
    if (result.outcome == TransferOutcome::WriteDeclined) {
        return FleetText(FleetTextId::SkippedOtherBand, language,
                         {BandAt(result.radioBand).listText});
    }
    if (result.heldForBackup && result.beforeBackup) {
        return FleetText(
            FleetTextId::NotWrittenNoBackup, language,
            {FileName(*result.beforeBackup), result.beforeBackup->status.Describe(language)});
    }
    if (result.WriteCompleted()) return FleetText(FleetTextId::Written, language);
    const bool midWrite = result.step == CheckedWriteStep::Write && result.failure.block > 0;
    if (result.stopped) {
        // Stopped by the user, who knows why: what the radio may hold now, not what to do.
        return midWrite ? FleetText(FleetTextId::StoppedMidWrite, language,
                                    {std::to_string(result.failure.block)})
                        : FleetText(FleetTextId::StoppedNothingWritten, language);
    }
    const std::string reason = RunFailureReason(result, language);
    if (result.step == CheckedWriteStep::BackupRead) {
        return FleetText(FleetTextId::FailedReadingBackup, language, {reason});
    }
    return FleetText(midWrite ? FleetTextId::FailedMayBeMixed : FleetTextId::Failed, language,
                     {reason});
}

std::vector<std::string> RadioPortFindings(const CheckedWriteResult& result, Language language) {
    if (result.outcome != TransferOutcome::PortNotOpen) return {};
    return DiagnosisFindings(result.portDiagnosis, language);
}

std::string RadioVerifyText(const CheckedWriteResult& result, bool verifyAsked, Language language) {
    if (!verifyAsked || !result.WriteCompleted()) return {};
    if (result.readBack) {
        const std::size_t count = result.differences.size();
        if (count == 0) return FleetText(FleetTextId::Verified, language);
        return FleetText(FleetTextId::Differs, language, {std::to_string(count)});
    }
    if (result.stopped) return FleetText(FleetTextId::VerifyStopped, language);
    return FleetText(FleetTextId::NotVerifiedReadingBack, language,
                     {RunFailureReason(result, language)});
}

const SavedBackup* RadioBackup(const CheckedWriteResult& result) {
    if (result.heldForBackup) return nullptr;
    if (result.beforeBackup) return &*result.beforeBackup;
    if (result.afterBackup) return &*result.afterBackup;
    return nullptr;
}

std::string RadioBackupText(const CheckedWriteResult& result, Language language) {
    const SavedBackup* backup = RadioBackup(result);
    if (backup == nullptr) return {};
    if (backup->Saved()) return FleetText(FleetTextId::BackupFile, language, {FileName(*backup)});
    return FleetText(FleetTextId::BackupNotSaved, language,
                     {FileName(*backup), backup->status.Describe(language)});
}

}  // namespace qv
