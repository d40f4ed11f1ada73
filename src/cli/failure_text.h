// A failed transfer told in English: the device it used and what went wrong, as the transfer
// engine recorded it, for the lines after the communication-error message.
#pragma once

#include <string>

#include "link/core/transfer_engine.h"

namespace qv::cli {

// "/dev/ttyUSB0: the radio gave no valid answer to write frame 30", and after a write that had
// sent data, a line saying the radio should be written again. Empty when nothing was recorded.
std::string FailureDetails(const TransferFailure& failure, bool write, const std::string& device);

}  // namespace qv::cli
