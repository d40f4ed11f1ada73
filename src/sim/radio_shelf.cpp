#include "sim/radio_shelf.h"

#include <stdexcept>
#include <utility>

namespace qv {

RadioShelf::RadioShelf(VirtualRadio radio) {
    radios_.push_back({std::move(radio), {}, {}, {}, {}});
}

RadioShelf::RadioShelf(std::vector<VirtualRadio> radios, ShelfTiming timing) : timing_(timing) {
    if (radios.empty()) throw std::invalid_argument("a shelf needs a radio");
    for (VirtualRadio& radio : radios) radios_.push_back({std::move(radio), {}, {}, {}, {}});
}

void RadioShelf::Open(ShelfTime now) {
    if (!radios_.front().came && !nextComes_) nextComes_ = now;
}

bool RadioShelf::Present(ShelfTime now) {
    while (true) {
        Turn& turn = radios_[current_];
        if (!turn.came) {
            if (!nextComes_ || now < *nextComes_) return false;
            turn.came = *nextComes_;
            nextComes_.reset();
        }
        if (turn.gone) return false;
        if (!timing_) return true;
        const ShelfTime leaves = turn.firstAnswer.value_or(*turn.came) + timing_->present;
        // A radio that answers stays until the tool has found it, however long that takes.
        const bool waitsForTool =
            !turn.firstAnswer && turn.radio.Fault().kind != RadioFaultKind::Silent;
        if (waitsForTool || now < leaves) return true;
        turn.gone = leaves;
        if (current_ + 1 == radios_.size()) return false;
        ++current_;
        nextComes_ = leaves + timing_->gap;
    }
}

std::vector<RadioReply> RadioShelf::Receive(std::span<const std::uint8_t> bytes, ShelfTime now) {
    std::vector<RadioReply> replies;
    if (!Present(now)) return replies;
    Turn& turn = radios_[current_];
    const int sessionsBefore = turn.radio.Record().sessions;
    std::vector<RadioReply> answered = turn.radio.Receive(bytes);
    if (turn.radio.Record().sessions > sessionsBefore) {
        turn.handshakes.push_back(now);
        const bool acknowledged = !answered.empty();
        if (acknowledged && !turn.firstAnswer) turn.firstAnswer = now;
    }
    return answered;
}

std::vector<ShelfRadioRecord> RadioShelf::Records() const {
    std::vector<ShelfRadioRecord> records;
    for (const Turn& turn : radios_) {
        records.push_back({turn.radio.Record(), turn.radio.Band(), turn.radio.Fault(), turn.came,
                           turn.firstAnswer, turn.gone, turn.handshakes});
    }
    return records;
}

}  // namespace qv
