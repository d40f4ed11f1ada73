#include "link/qt/radio_detection.h"

#include "link/core/detect_ports.h"
#include "link/core/serial_devices.h"
#include "link/qt/lane_view.h"
#include "link/qt/transfer_driver.h"

namespace qv {

// The probe of one port: its driver on its lane, and how it ended. A probe shows nothing; its end
// is passed on.
struct RadioDetection::Probe {
    explicit Probe(std::function<void()> ended)
        : view(nullptr, [ended = std::move(ended)](TransferOutcome) { ended(); }) {}

    LaneView view;
    std::unique_ptr<TransferDriver> driver;
    std::optional<DetectedPort> end;
};

RadioDetection::RadioDetection(QObject* parent) : QObject(parent) {}

RadioDetection::~RadioDetection() = default;

void RadioDetection::Start(const std::vector<PortName>& ports) {
    if (IsRunning()) return;
    probes_.clear();
    // A probe reads nothing of the program state and asks nothing: a fresh state and a host that
    // says No do.
    lanes_.Open(ports, ProgramState{}, false);
    for (std::size_t i = 0; i < lanes_.Count(); ++i) {
        PortLane& lane = lanes_[i];
        // The engine tells its end from inside its own handling of a reply (or of the start, when
        // the port does not open); the port's end is taken once that handling is over.
        probes_.push_back(std::make_unique<Probe>([this, i] {
            QMetaObject::invokeMethod(
                this, [this, i] { PortEnded(i); }, Qt::QueuedConnection);
        }));
        probes_.back()->driver = std::make_unique<TransferDriver>(lane.state, lane.host, lane.port,
                                                                  probes_.back()->view);
    }
    if (probes_.empty()) {
        if (finished_) finished_();
        return;
    }
    for (const auto& probe : probes_) probe->driver->StartProbe();
}

void RadioDetection::Stop() {
    for (const auto& probe : probes_) {
        if (!probe->end) probe->driver->Stop();
    }
}

void RadioDetection::PortEnded(std::size_t port) {
    Probe& probe = *probes_.at(port);
    probe.end = DetectedPort{probe.driver->Engine().LastProbe(), lanes_.Ended(port)};
    if (portFinished_) portFinished_(port);
    if (!lanes_.IsRunning() && finished_) finished_();
}

const std::optional<DetectedPort>& RadioDetection::End(std::size_t port) const {
    return probes_.at(port)->end;
}

std::vector<std::size_t> RadioDetection::RadiosFound() const {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < probes_.size(); ++i) {
        if (probes_[i]->end && probes_[i]->end->probe.FoundRadio()) found.push_back(i);
    }
    return found;
}

std::vector<PortName> PortsToDetect() {
    const SystemRoots roots = SystemInUse();
    return PortsWorthProbing(SystemPortLookup(roots), [&roots](const std::string& device) {
        return HasHardwareBehind(device, roots);
    });
}

}  // namespace qv
