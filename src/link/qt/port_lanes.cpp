#include "link/qt/port_lanes.h"

namespace qv {

PortLane::PortLane(const PortName& named, const ProgramState& setup, bool answerYes)
    : resolved(named), host(answerYes) {
    LoadSetup(setup);
    port.FixDevice(resolved);
}

void PortLane::LoadSetup(const ProgramState& setup) {
    state = setup;
    state.CalibrationUnlocked = false;
}

std::vector<PortName> PortLanes::Resolve(const std::vector<std::string>& ports) {
    std::vector<PortName> resolved;
    resolved.reserve(ports.size());
    for (const std::string& named : ports) resolved.push_back(ResolvePortText(named));
    return resolved;
}

void PortLanes::Open(const std::vector<PortName>& ports, const ProgramState& setup,
                     bool answerYes) {
    lanes_.clear();
    for (const PortName& port : ports) {
        lanes_.push_back(std::make_unique<PortLane>(port, setup, answerYes));
    }
    ended_.assign(lanes_.size(), false);
    running_ = lanes_.size();
    clock_.start();
}

double PortLanes::Ended(std::size_t lane) {
    if (!ended_.at(lane)) {
        ended_[lane] = true;
        --running_;
    }
    return static_cast<double>(clock_.nsecsElapsed()) / 1e9;
}

}  // namespace qv
