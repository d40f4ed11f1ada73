#include "link/core/transfer_answer.h"

namespace qv {

ProbeResult AnswerOfTransfer(TransferOutcome outcome, const LinkVariables& vars,
                             PortOpenError portError) {
    ProbeResult answer;
    if (outcome == TransferOutcome::PortNotOpen) {
        answer.answer = ProbeAnswer::PortNotOpen;
        answer.portError = portError;
        return answer;
    }
    switch (vars.Failure.kind) {
        case FailureKind::NoAnswer:
            answer.answer = ProbeAnswer::Nothing;
            return answer;
        case FailureKind::NoIdentification:
            answer.answer = ProbeAnswer::Nothing;
            answer.acknowledged = true;
            return answer;
        case FailureKind::OtherModel:
            answer.answer = ProbeAnswer::OtherModel;
            return answer;
        case FailureKind::CableGone:
            answer.answer = ProbeAnswer::PortLost;
            return answer;
        case FailureKind::None:
        case FailureKind::NoReplyToBlock:
        case FailureKind::IncompleteImage:
        case FailureKind::ImageRefused:
        case FailureKind::AnswerTooLate:
            // Each comes after the radio identified itself.
            break;
    }
    answer.answer = ProbeAnswer::ThisModel;
    answer.band = vars.IdentifiedBand;
    return answer;
}

}  // namespace qv
