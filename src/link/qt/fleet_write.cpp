#include "link/qt/fleet_write.h"

#include "link/qt/lane_view.h"

namespace qv {

// One radio of the fleet: its write on its lane, and how it ended. Its transfers show nothing but
// their progress, which is passed on.
struct FleetWrite::Radio {
    explicit Radio(std::function<void(int, int)> progress) : view(std::move(progress)) {}

    LaneView view;
    std::unique_ptr<CheckedWrite> run;
    std::optional<FleetRadioEnd> end;
};

FleetWrite::FleetWrite(std::filesystem::path backupFolder, QObject* parent)
    : QObject(parent), keeper_(std::move(backupFolder)) {}

FleetWrite::~FleetWrite() = default;

void FleetWrite::Start(const std::vector<std::string>& ports, const ProgramState& setup,
                       const FleetOptions& options) {
    if (IsRunning()) return;
    options_ = options;
    radios_.clear();
    lanes_.Open(PortLanes::Resolve(ports), setup, options.allowOtherBand);
    for (std::size_t i = 0; i < lanes_.Count(); ++i) {
        PortLane& lane = lanes_[i];
        radios_.push_back(std::make_unique<Radio>([this, i](int maximum, int value) {
            if (progress_) progress_(i, maximum, value);
        }));
        Radio& radio = *radios_.back();
        radio.run =
            std::make_unique<CheckedWrite>(lane.state, lane.host, lane.port, radio.view, &keeper_);
        radio.run->SetStepHandler([this, i](CheckedWriteStep step) {
            if (step_) step_(i, step);
        });
        radio.run->SetFinishedHandler(
            [this, i](const CheckedWriteResult& result) { RadioEnded(i, result); });
    }
    CheckedWriteOptions write;
    write.backupFirst = options.backupFirst;
    write.verify = options.verify;
    if (radios_.empty()) {
        if (finished_) finished_();
        return;
    }
    // Each radio waits on its own line; the event loop only answers them in turn.
    for (const auto& radio : radios_) radio->run->Start(write);
}

void FleetWrite::Stop() {
    for (const auto& radio : radios_) {
        if (!radio->end) radio->run->Stop();
    }
}

void FleetWrite::RadioEnded(std::size_t radio, const CheckedWriteResult& result) {
    radios_[radio]->end = FleetRadioEnd{result, lanes_.Ended(radio)};
    if (radioFinished_) radioFinished_(radio);
    if (!lanes_.IsRunning() && finished_) finished_();
}

const PortName& FleetWrite::Port(std::size_t radio) const {
    return lanes_[radio].resolved;
}

const std::optional<FleetRadioEnd>& FleetWrite::End(std::size_t radio) const {
    return radios_.at(radio)->end;
}

bool FleetWrite::Succeeded(std::size_t radio) const {
    const std::optional<FleetRadioEnd>& end = End(radio);
    return end && end->result.WriteCompleted() && (!options_.verify || end->result.Verified());
}

FleetTally FleetWrite::Tally() const {
    FleetTally tally;
    for (std::size_t i = 0; i < radios_.size(); ++i) {
        const std::optional<FleetRadioEnd>& end = radios_[i]->end;
        if (end && end->result.WriteCompleted()) ++tally.written;
        if (end && end->result.Verified()) ++tally.verified;
        if (!Succeeded(i)) ++tally.notWritten;
    }
    return tally;
}

}  // namespace qv
