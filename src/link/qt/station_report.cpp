#include "link/qt/station_report.h"

#include "i18n/fleet_texts.h"
#include "i18n/station_texts.h"
#include "link/qt/radio_report.h"
#include "rules/compare/setup_compare.h"
#include "state/bands.h"

namespace qv {

StationResult StationResultOf(const CheckedWriteResult& result, bool verifyAsked) {
    if (result.outcome == TransferOutcome::WriteDeclined) return StationResult::Skipped;
    const bool written = result.WriteCompleted() && (!verifyAsked || result.Verified());
    return written ? StationResult::Written : StationResult::Failed;
}

StationVerify StationVerifyOf(const CheckedWriteResult& result) {
    if (!result.readBack) return StationVerify::NotChecked;
    return result.differences.empty() ? StationVerify::Verified : StationVerify::Differs;
}

std::string OtherBandDetail(int radioBand, int setupBand, Language language) {
    return StationText(StationTextId::OtherBand, language,
                       {BandAt(radioBand).listText, BandAt(setupBand).listText});
}

std::string StationRadioDetail(const CheckedWriteResult& result, bool verifyAsked, int setupBand,
                               Language language) {
    switch (StationResultOf(result, verifyAsked)) {
        case StationResult::Written:
            return {};
        case StationResult::Skipped:
            return OtherBandDetail(result.radioBand, setupBand, language);
        case StationResult::Failed:
            break;
    }
    // Stopped, or held for want of a backup: the fleet's words say it whole.
    if (result.stopped || result.heldForBackup) {
        return result.WriteCompleted() ? FleetText(FleetTextId::VerifyStopped, language)
                                       : RadioResultText(result, language);
    }
    if (!result.differences.empty()) {
        return StationText(
            StationTextId::DifferencesFound, language,
            {std::to_string(result.differences.size()),
             DescribeDifference(result.differences.front(), DifferenceWording::Verify, language)});
    }
    const std::string reason = RunFailureReason(result, language);
    switch (result.step) {
        case CheckedWriteStep::BackupRead:
            return StationText(StationTextId::ReadingBackupFailed, language, {reason});
        case CheckedWriteStep::Write:
            if (result.failure.block > 0) {
                return StationText(StationTextId::WriteFailedMayBeMixed, language, {reason});
            }
            return reason;
        case CheckedWriteStep::VerifyRead:
            return StationText(StationTextId::ReadingBackFailed, language, {reason});
    }
    return reason;
}

}  // namespace qv
