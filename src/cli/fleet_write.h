// Writing one set-up into several radios at once, one port each, and the choices a write takes.
#pragma once

#include <string>
#include <vector>

namespace qv::cli {

struct WriteChoices {
    bool answerYes = false;  // write a radio of another band all the same
    bool unlockCalibration = false;
    bool verify = false;
    bool backupFirst = false;
};

// Writes `in` into the radio on every port of `devices` at the same time, without the calibration
// block: a line on standard error as each radio starts a step and ends (with the backup made of
// it), then a table on standard output (port, radio band, result, verify result, backup,
// seconds). A radio of another band is skipped without --yes; no radio's failure holds up
// another. Throws CommandFailed unless every radio was written (and verified).
void FleetWrite(const std::vector<std::string>& devices, const std::string& in,
                const WriteChoices& choices);

}  // namespace qv::cli
