#include "cli/failure_text.h"

namespace qv::cli {
namespace {

std::string Block(int block, bool write) {
    return (write ? "write frame " : "read request ") + std::to_string(block);
}

std::string Reason(const TransferFailure& failure, bool write) {
    switch (failure.kind) {
        case FailureKind::None:
            return "";
        case FailureKind::NoAnswer:
            return "no answer to the handshake: is the radio switched on and the cable plugged in?";
        case FailureKind::NoIdentification:
            return "the radio answered the handshake but did not identify itself";
        case FailureKind::OtherModel:
            return "another model answered: its identification is not a QV-7100's";
        case FailureKind::NoReplyToBlock:
            if (failure.block == 0) return "the radio stopped answering after identifying itself";
            return "the radio gave no valid answer to " + Block(failure.block, write);
        case FailureKind::IncompleteImage:
            return "the radio left out a block: its memory arrived incomplete";
        case FailureKind::ImageRefused:
            return "the radio's memory could not be decoded";
        case FailureKind::CableGone:
            return "the serial device went away (cable or adapter unplugged?)" +
                   (failure.block == 0 ? std::string() : " at " + Block(failure.block, write));
    }
    return "";
}

}  // namespace

std::string FailureDetails(const TransferFailure& failure, bool write, const std::string& device) {
    const std::string reason = Reason(failure, write);
    if (reason.empty()) return "";
    std::string details = device + ": " + reason;
    if (write && failure.block > 0) {
        details += "\nthe radio may now hold a mix of its old and the new set-up: write it again";
    }
    return details;
}

}  // namespace qv::cli
