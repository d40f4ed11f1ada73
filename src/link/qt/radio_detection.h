// Which port holds a radio: a probe (TransferEngine::StartProbe) on each of several ports at the
// same time, on the one event loop, each port in a lane of its own (port_lanes.h) and resolved
// once, as the detection starts. It reports per port what answered as data; the command line and
// the desktop program word it (probe_report.h). The whole run takes as long as the slowest port's
// wait, not the sum of them. It can be started again once it has ended, as often as wanted: a
// station waiting for radios probes its ports again and again.
//
// Use: set the handlers, Start with the ports (PortsToDetect() when the user named none), and
// read End(port) for each port once its handler is called or the finished handler is. Every port
// ends, also one whose device does not open (ProbeAnswer::PortNotOpen, with why).
#pragma once

#include <QObject>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/core/port_problem.h"
#include "link/core/radio_probe.h"
#include "link/qt/port_lanes.h"

namespace qv {

// How the probe of one port ended.
struct DetectedPort {
    ProbeResult probe;
    double seconds = 0;  // from the detection's start to the probe's end
};

class RadioDetection : public QObject {
    Q_OBJECT

  public:
    explicit RadioDetection(QObject* parent = nullptr);
    ~RadioDetection() override;

    // `port` is the position of the port in the list Start was given. Called from the event loop
    // once the probe has ended and its port is closed.
    void SetPortFinishedHandler(std::function<void(std::size_t port)> handler) {
        portFinished_ = std::move(handler);
    }
    // Once every port has ended, after the last port's own handler.
    void SetFinishedHandler(std::function<void()> handler) { finished_ = std::move(handler); }

    // Probes each of `ports`, as resolved, at the same time. Does nothing while a detection runs;
    // with no ports, it is over at once (the finished handler is called).
    void Start(const std::vector<PortName>& ports);
    // The same for ports as the user names them: "COMn", looked up once now, or a device path.
    void Start(const std::vector<std::string>& ports) { Start(PortLanes::Resolve(ports)); }
    // Gives up every probe still waiting: each ends with what came so far, as if its wait had run
    // out, and sends the end byte as then.
    void Stop();
    bool IsRunning() const { return lanes_.IsRunning(); }

    std::size_t Count() const { return lanes_.Count(); }
    // The port probed at position `port`: its number and the device it stood for at the start.
    const PortName& Port(std::size_t port) const { return lanes_[port].resolved; }
    // How its probe ended, once it has.
    const std::optional<DetectedPort>& End(std::size_t port) const;
    // The positions of the ports where a QV-7100 answered, in order.
    std::vector<std::size_t> RadiosFound() const;

  private:
    struct Probe;

    void PortEnded(std::size_t port);

    PortLanes lanes_;  // before the probes, whose drivers use them: they go first
    std::vector<std::unique_ptr<Probe>> probes_;
    std::function<void(std::size_t)> portFinished_;
    std::function<void()> finished_;
};

// COM1..COM8 as they stand for devices of the system in use now (SystemInUse), each resolved
// once: the ports a detection probes when the user names none. A built-in port (ttyS*) that the
// system lists but has no UART behind it is left out (PortsWorthProbing).
std::vector<PortName> PortsToDetect();

}  // namespace qv
