// What answered a probe of one port: the start of a transfer that only asks the radio who it is
// and ends programming mode at once. Data only; the windows and the command line word it
// (probe_report.h).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "link/core/port_problem.h"

namespace qv {

enum class ProbeAnswer {
    ThisModel,    // a QV-7100 identified itself
    OtherModel,   // an identification's worth of bytes came that is not this model's
    Nothing,      // no identification within the probe's wait
    PortNotOpen,  // the port could not be opened; nothing was sent
    PortLost,     // the device went away during the probe
};

struct ProbeResult {
    ProbeAnswer answer = ProbeAnswer::Nothing;
    // ThisModel: the band list position the identification names; nothing when its band byte
    // names no band the tool knows.
    std::optional<int> band;
    // ThisModel and OtherModel: the identification as it came; Nothing and PortLost: whatever
    // came that was no acknowledgement, oldest first (a device that echoes, a partial answer).
    std::vector<std::uint8_t> received;
    // The handshake was acknowledged (a lone 0x06 came back).
    bool acknowledged = false;
    // PortNotOpen: why, and what the system showed then that keeps the port from working.
    PortOpenError portError = PortOpenError::None;
    PortDiagnosis diagnosis;

    // A QV-7100 answered.
    bool FoundRadio() const { return answer == ProbeAnswer::ThisModel; }
};

}  // namespace qv
