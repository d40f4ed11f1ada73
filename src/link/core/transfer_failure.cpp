#include "link/core/transfer_failure.h"

#include <optional>

namespace qv {
namespace {

// What went wrong, by where the transfer stood. A wording with %1 names the block.
struct FailureWording {
    FailureKind kind;
    MessageId beforeAnyBlock;  // nothing past the identification was sent
    MessageId atReadRequest;
    MessageId atWriteFrame;
};

constexpr FailureWording kFailureWordings[] = {
    {FailureKind::NoAnswer, MessageId::FailureNoAnswer, MessageId::FailureNoAnswer,
     MessageId::FailureNoAnswer},
    {FailureKind::NoIdentification, MessageId::FailureNoIdentification,
     MessageId::FailureNoIdentification, MessageId::FailureNoIdentification},
    {FailureKind::OtherModel, MessageId::FailureOtherModel, MessageId::FailureOtherModel,
     MessageId::FailureOtherModel},
    {FailureKind::NoReplyToBlock, MessageId::FailureSilentAfterIdentification,
     MessageId::FailureNoReplyToReadRequest, MessageId::FailureNoReplyToWriteFrame},
    {FailureKind::IncompleteImage, MessageId::FailureIncompleteImage,
     MessageId::FailureIncompleteImage, MessageId::FailureIncompleteImage},
    {FailureKind::ImageRefused, MessageId::FailureImageRefused, MessageId::FailureImageRefused,
     MessageId::FailureImageRefused},
    {FailureKind::CableGone, MessageId::FailureCableGone, MessageId::FailureCableGoneAtReadRequest,
     MessageId::FailureCableGoneAtWriteFrame},
};

std::optional<MessageId> ReasonOf(const TransferFailure& failure, bool write) {
    for (const FailureWording& wording : kFailureWordings) {
        if (wording.kind != failure.kind) continue;
        if (failure.block == 0) return wording.beforeAnyBlock;
        return write ? wording.atWriteFrame : wording.atReadRequest;
    }
    return std::nullopt;
}

}  // namespace

MessageId FailureMessage(FailureKind kind) {
    // The communication error would send the user looking for a fault in the radio or the cable.
    return kind == FailureKind::AnswerTooLate ? MessageId::RadioStoppedWaiting
                                              : MessageId::CommunicationError;
}

std::string FailureReason(const TransferFailure& failure, bool write, Language language) {
    const std::optional<MessageId> reason = ReasonOf(failure, write);
    if (!reason) return {};
    return FormatMessage(*reason, language, {std::to_string(failure.block)});
}

std::string FailureDetails(const TransferFailure& failure, bool write, std::string_view port,
                           Language language) {
    std::string details;
    if (const std::string what = FailureReason(failure, write, language); !what.empty()) {
        details = FormatMessage(MessageId::FailureOnPort, language, {port, what});
    }
    if (write && failure.block > 0) {
        if (!details.empty()) details += "\n";
        details += MessageText(MessageId::MayBeHalfWritten, language);
    }
    return details;
}

}  // namespace qv
