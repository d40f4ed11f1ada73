// The ways the virtual radio can misbehave, and their names on the command line
// ("no-reply:5", "split", ...).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qv {

enum class RadioFaultKind {
    None,
    Silent,                     // never replies
    WrongModel,                 // identifies as another model
    WrongIdentificationLength,  // identification one byte too long, model string intact
    NoReplyToBlock,             // block N gets no reply
    WrongAddressForBlock,       // read block N carries another address; write block N gets 0x15
    GarbageAfterAck,  // the acknowledgement after block N (0: handshake) has a 0x00 behind
    SplitReplies,     // every reply is delivered one byte at a time
    CablePulled,      // the line goes dead after block N is answered
    DropsBlock,       // write block N is acknowledged but not stored
};

// `block` counts the read requests or write frames of a session from 1; only the kinds that name
// a block use it.
struct RadioFault {
    RadioFaultKind kind = RadioFaultKind::None;
    int block = 0;

    friend bool operator==(const RadioFault&, const RadioFault&) = default;
};

// One line of the command line's help: "no-reply:N" and what it does.
struct RadioFaultHelp {
    std::string_view usage;
    std::string_view description;
};

// Parses "none", "silent", "wrong-model", "wrong-id-length", "no-reply:N", "wrong-address:N",
// "garbage-after-ack:N", "split", "cable-pulled:N" or "drop-block:N". N is a decimal number from 1,
// or from 0 for garbage-after-ack. Anything else gives nothing.
std::optional<RadioFault> ParseRadioFault(std::string_view text);

// The name ParseRadioFault accepts for `fault` ("no-reply:5").
std::string RadioFaultName(const RadioFault& fault);

// Every fault name with its description, in the order of RadioFaultKind.
std::span<const RadioFaultHelp> RadioFaultHelpLines();

}  // namespace qv
