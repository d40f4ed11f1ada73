// Choosing the serial port from the menu (COM1..COM8): the check marks, the saved port number and
// the message that says why the port cannot be opened.
#pragma once

#include <string>

#include "link/core/line_settings.h"
#include "link/core/port_problem.h"
#include "state/host.h"
#include "state/program_state.h"

namespace qv {

// The serial port as the rules see it; the Qt port implements it.
class PortControl {
  public:
    virtual ~PortControl() = default;
    // Closes the port, takes `port` (1..8; any other number leaves the last one in force) and opens
    // it. Errors are left to IsOpen() and LastOpenError().
    virtual void Reopen(int port) = 0;
    virtual bool IsOpen() const = 0;
    virtual PortOpenError LastOpenError() const = 0;
    // The device behind the port number in force ("/dev/ttyUSB0").
    virtual std::string DeviceName() const = 0;
    // What the system shows now that keeps that device from working; nothing found for a device
    // the system does not know.
    virtual PortDiagnosis Diagnose() const = 0;
    // Applies the time-out record where the system has one; results are ignored.
    virtual void ApplyCommTimeouts(const CommTimeouts& timeouts) = 0;
};

// Menu item COM`port` clicked. A port that does not open is told why, with what the system shows.
void ChoosePort(ProgramState& state, Host& host, PortControl& serial, int port);

}  // namespace qv
