// What answered a probe, in words of a language: the command line prints these, and the
// desktop program shows them per port when it looks for the radio.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "i18n/language.h"
#include "link/core/port_problem.h"
#include "link/core/radio_probe.h"

namespace qv {

// Bytes as text anyone can read and no terminal acts on: printable ASCII as it is, a backslash
// doubled, every other byte as \xNN (two lower-case hexadecimal digits).
std::string PrintableBytes(std::span<const std::uint8_t> bytes);

// "QV-7100, 400-470MHz", "another model: QV711!\x01\x00", "nothing answered", or why `port`
// did not open, in `language`.
std::string ProbeAnswerText(const ProbeResult& probe, const PortName& port, Language language);

// One port of a look for the radio, as the desktop program's report of it says it:
// "COM1 (/dev/ttyUSB0): QV-7100, 400-470MHz"; for a port that did not open, why, then a paragraph
// for each thing the system showed that keeps it from working (PortOpenMessage).
std::string ProbeReportLine(const ProbeResult& probe, const PortName& port, Language language);

// What the program last learned of the radio on `port`, short enough for a status bar:
// "COM3: QV-7100, 400-470MHz", "COM3: nothing answered", "COM3: no permission". Another model's
// identification and what keeps a port from working are left to the full report.
std::string PortStatusText(const ProbeResult& answer, const PortName& port, Language language);

}  // namespace qv
