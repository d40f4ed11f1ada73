// What a transfer learned of what is on its port, as a probe says it: a read, a write or a
// comparison asks the radio who it is before anything else, so each tells as much as a look for
// the radio would, and the program's status of its port follows every transfer.
#pragma once

#include "link/core/link_host.h"
#include "link/core/port_problem.h"
#include "link/core/radio_probe.h"
#include "link/core/transfer_engine.h"

namespace qv {

// What the transfer that ended with `outcome` found on its port: the radio and the band it
// identified itself with, another model, nothing, the device gone, or the port closed for
// `portError`. `vars` are the variables the transfer left.
ProbeResult AnswerOfTransfer(TransferOutcome outcome, const LinkVariables& vars,
                             PortOpenError portError);

}  // namespace qv
