#include "sim/radio_fault.h"

#include <array>
#include <charconv>
#include <cstddef>

namespace qv {
namespace {

constexpr int kNoBlock = -1;

struct FaultSpelling {
    RadioFaultKind kind;
    std::string_view name;
    int lowestBlock;  // kNoBlock when the name takes no number
    RadioFaultHelp help;
};

constexpr std::array<FaultSpelling, 10> kSpellings = {{
    {RadioFaultKind::None,
     "none",
     kNoBlock,
     {"none", "a radio that answers every frame correctly"}},
    {RadioFaultKind::Silent, "silent", kNoBlock, {"silent", "never replies to anything"}},
    {RadioFaultKind::WrongModel,
     "wrong-model",
     kNoBlock,
     {"wrong-model", "identifies itself as another model (\"QV711\")"}},
    {RadioFaultKind::WrongIdentificationLength,
     "wrong-id-length",
     kNoBlock,
     {"wrong-id-length", "sends a 9-byte identification that still holds \"QV710\""}},
    {RadioFaultKind::NoReplyToBlock,
     "no-reply",
     1,
     {"no-reply:N", "does not answer block N (from 1) of a read or write"}},
    {RadioFaultKind::WrongAddressForBlock,
     "wrong-address",
     1,
     {"wrong-address:N", "read block N carries another block's address; write block N gets 0x15"}},
    {RadioFaultKind::GarbageAfterAck,
     "garbage-after-ack",
     0,
     {"garbage-after-ack:N",
      "the acknowledgement after block N (0: of the handshake) is followed by a byte 0x00"}},
    {RadioFaultKind::SplitReplies,
     "split",
     kNoBlock,
     {"split", "delivers every reply one byte at a time; transfers still succeed"}},
    {RadioFaultKind::CablePulled,
     "cable-pulled",
     1,
     {"cable-pulled:N", "hangs up the line after answering block N"}},
    {RadioFaultKind::DropsBlock,
     "drop-block",
     1,
     {"drop-block:N", "acknowledges write block N without storing it"}},
}};

constexpr std::array<RadioFaultHelp, kSpellings.size()> HelpLines() {
    std::array<RadioFaultHelp, kSpellings.size()> lines{};
    for (std::size_t i = 0; i < kSpellings.size(); ++i) lines[i] = kSpellings[i].help;
    return lines;
}

constexpr std::array<RadioFaultHelp, kSpellings.size()> kHelpLines = HelpLines();

std::optional<int> ParseBlock(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    int value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    // from_chars takes a leading "-"; a block number has digits only.
    if (error != std::errc() || stop != end || digits.front() == '-') return std::nullopt;
    return value;
}

}  // namespace

std::optional<RadioFault> ParseRadioFault(std::string_view text) {
    const std::size_t colon = text.find(':');
    const std::string_view name = text.substr(0, colon);
    for (const FaultSpelling& spelling : kSpellings) {
        if (spelling.name != name) continue;
        if (spelling.lowestBlock == kNoBlock) {
            if (colon != std::string_view::npos) return std::nullopt;
            return RadioFault{spelling.kind, 0};
        }
        if (colon == std::string_view::npos) return std::nullopt;
        const std::optional<int> block = ParseBlock(text.substr(colon + 1));
        if (!block || *block < spelling.lowestBlock) return std::nullopt;
        return RadioFault{spelling.kind, *block};
    }
    return std::nullopt;
}

std::string RadioFaultName(const RadioFault& fault) {
    for (const FaultSpelling& spelling : kSpellings) {
        if (spelling.kind != fault.kind) continue;
        std::string name(spelling.name);
        if (spelling.lowestBlock != kNoBlock) name += ":" + std::to_string(fault.block);
        return name;
    }
    return "none";
}

std::span<const RadioFaultHelp> RadioFaultHelpLines() {
    return kHelpLines;
}

}  // namespace qv
