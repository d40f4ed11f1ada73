// Choosing the serial port from the menu (COM1..COM8): the check marks, the saved port number and
// the message when the port cannot be opened.
#pragma once

#include <string>

#include "link/core/line_settings.h"
#include "state/host.h"
#include "state/program_state.h"

namespace qv {

enum class PortOpenError {
    None,
    Busy,          // held by another program
    NoPermission,  // the system refuses this user the device
    NotFound,      // no such device
    NotSerial,     // a file, a folder or a device that is no serial port
};

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
    // Applies the time-out record where the system has one; results are ignored.
    virtual void ApplyCommTimeouts(const CommTimeouts& timeouts) = 0;
};

// Menu item COM`port` clicked.
void ChoosePort(ProgramState& state, Host& host, PortControl& serial, int port);

}  // namespace qv
