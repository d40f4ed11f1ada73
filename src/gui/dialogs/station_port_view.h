// What a port of the programming station shows on its tile, in the window's language: its look,
// its state in a few words read from across the bench, how far its radio has come, and the
// details under it (what answers while it waits; the radio's number, step and lines; how it ended
// and its backup). The station tells data; these are its words for the bench.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "gui/dialogs/station_port_tile.h"
#include "i18n/language.h"
#include "link/qt/programming_station.h"

namespace qv {

// What the words of a port need to know of the run.
struct StationRun {
    std::array<std::string, 2> setupLines;  // the set-up's own embedded lines
    int setupBand = 0;
    bool verify = true;  // each radio is read back
    Language language = Language::Chinese;
};

// What `port` shows after `event`; nothing when the event changes nothing on it (a radio gone
// is followed by the port's waiting).
std::optional<PortView> ViewOfPort(const StationPort& port, StationEvent event,
                                   const StationRun& run);

// Why the radio, ended, was not written (and verified), in the run's language; empty when it was.
std::string WhyNotWritten(const StationRadio& radio, const StationRun& run);

}  // namespace qv
