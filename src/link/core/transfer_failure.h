// Why a transfer ended with the communication error, and how the user is told: the details under
// the program's message, in the current language, the same in the window and on the command line.
#pragma once

#include <string>
#include <string_view>

#include "i18n/language.h"
#include "i18n/messages.h"

namespace qv {

// Why a transfer ended with the communication error, as far as the tool can tell from where it
// stood.
enum class FailureKind {
    None,              // the last transfer did not end with the communication error
    NoAnswer,          // nothing came back to the handshake
    NoIdentification,  // the handshake was answered, but no identification followed
    OtherModel,        // an identification's worth of bytes came that is not this model's
    NoReplyToBlock,    // no valid reply to a read request or write frame
    IncompleteImage,   // a read ended with a block missing
    ImageRefused,      // the decoder refused the read image
    CableGone,         // the serial device went away under the transfer
    AnswerTooLate,     // the radio stopped waiting while the band question of a write was open
};

struct TransferFailure {
    FailureKind kind = FailureKind::None;
    // Read requests or write frames sent when the transfer gave up, counted from 1: the block it
    // was waiting on. 0 while nothing past the identification was sent.
    int block = 0;

    friend bool operator==(const TransferFailure&, const TransferFailure&) = default;
};

// The message that tells the user the transfer failed: the communication error, or, when the
// radio stopped waiting for the band question's answer, that it did and the write should be done
// again.
MessageId FailureMessage(FailureKind kind);

// What went wrong, as a sentence of its own in `language`: "the radio gave no valid answer to
// write frame 30". Empty when the transfer did not fail with the communication error.
std::string FailureReason(const TransferFailure& failure, bool write, Language language);

// "/dev/ttyUSB0: the radio gave no valid answer to write frame 30" in `language`, the port named
// by `port`; after a write that had sent data, a line saying the radio should be written again.
// Empty when there is nothing to add to the message.
std::string FailureDetails(const TransferFailure& failure, bool write, std::string_view port,
                           Language language);

}  // namespace qv
