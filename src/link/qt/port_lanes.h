// The ports of a run over several at once on the one event loop, a lane each: the port as the
// user named it is resolved to its device once, as the run starts, and the lane keeps its own
// serial port fixed to that device, its own copy of the program state and a host that answers by
// a policy given up front, so that no port waits for a person or for another port, and an
// adapter plugged in meanwhile never moves a port to another device. The lanes count the ports
// still running and the time since the run started. The fleet write, the radio detection and the
// programming station run their transfers in such lanes.
#pragma once

#include <QElapsedTimer>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "link/core/policy_host.h"
#include "link/core/port_problem.h"
#include "link/qt/serial_port.h"
#include "state/program_state.h"

namespace qv {

struct PortLane {
    // `named` is already resolved; its device is fixed for the lane's life.
    PortLane(const PortName& named, const ProgramState& setup, bool answerYes);

    // Takes `setup` as the lane's state, for the next radio. The calibration block holds each
    // radio's own power levels: a set-up copied with calibration access open would write one
    // radio's levels into every radio of the run, so a lane never has that access.
    void LoadSetup(const ProgramState& setup);

    PortName resolved;
    PolicyHost host;
    ProgramState state;
    SerialPort port;
};

class PortLanes {
  public:
    // Resolves each of `ports` ("COMn" or a device path) now, once.
    static std::vector<PortName> Resolve(const std::vector<std::string>& ports);

    // A lane for each of `ports`, in order, in place of the lanes before; whatever used those must
    // be gone. Every lane counts as running from now on, and the clock starts.
    void Open(const std::vector<PortName>& ports, const ProgramState& setup, bool answerYes);

    std::size_t Count() const { return lanes_.size(); }
    PortLane& operator[](std::size_t lane) { return *lanes_.at(lane); }
    const PortLane& operator[](std::size_t lane) const { return *lanes_.at(lane); }

    // Lane `lane` has ended: it no longer counts as running. Returns the seconds since Open.
    double Ended(std::size_t lane);
    bool IsRunning() const { return running_ > 0; }

  private:
    std::vector<std::unique_ptr<PortLane>> lanes_;
    std::vector<bool> ended_;
    std::size_t running_ = 0;
    QElapsedTimer clock_;
};

}  // namespace qv
