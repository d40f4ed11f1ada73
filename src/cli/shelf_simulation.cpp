#include "cli/shelf_simulation.h"

#include <cstdio>
#include <optional>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/link_session.h"
#include "image/image_codec.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "sim/radio_fault.h"

namespace qv::cli {
namespace {

// A radio stays this long after its first answer: long enough for a station to back it up, write
// and read it back, at once or at the line's real pace.
constexpr double kPresentSeconds = 3;
constexpr double kPacedPresentSeconds = 8;
constexpr double kNanoseconds = 1e9;

struct ShelfFault {
    int radio = 0;
    RadioFault fault;
};

std::optional<ShelfFault> ParseShelfFault(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0) return std::nullopt;
    int radio = 0;
    try {
        std::size_t used = 0;
        radio = std::stoi(text.substr(0, equals), &used);
        if (used != equals || radio < 1) return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const std::optional<RadioFault> fault = ParseRadioFault(text.substr(equals + 1));
    if (!fault) return std::nullopt;
    return ShelfFault{radio, *fault};
}

double PresentSeconds(const ShelfChoices& choices, bool paced) {
    if (choices.present >= 0) return choices.present;
    return paced ? kPacedPresentSeconds : kPresentSeconds;
}

}  // namespace

std::string ShelfFaultProblem(const std::string& text) {
    if (ParseShelfFault(text)) return {};
    return "not a radio and a fault: " + text + " (e.g. 3=silent or 5=drop-block:41)";
}

RadioShelf MakeShelf(const ImageBytes& image, int band, const ShelfChoices& choices, bool paced) {
    std::vector<RadioFault> faults(static_cast<std::size_t>(choices.radios));
    for (const std::string& text : choices.faults) {
        const ShelfFault named = *ParseShelfFault(text);
        if (named.radio > choices.radios) {
            throw CommandFailed("--shelf-fault " + text + ": the shelf has " +
                                std::to_string(choices.radios) + " radios");
        }
        faults[static_cast<std::size_t>(named.radio - 1)] = named.fault;
    }
    ConsoleHost host;
    host.SetQuiet(true);
    ProgramState base = StartupState(host, 1);
    (void)DecodeImageBytes(image, base, host);
    std::vector<VirtualRadio> radios;
    for (int k = 1; k <= choices.radios; ++k) {
        const int radioBand =
            choices.bands.empty()
                ? band
                : choices.bands[static_cast<std::size_t>(k - 1) % choices.bands.size()];
        ProgramState radio = base;
        radio.EmbeddedInfo[0] = radio.Form7.Text1 = "SHELF RADIO " + std::to_string(k);
        // Levels of its own, as a radio's calibration is: a station must leave them as they are.
        radio.PowerHighLevel = 150 + k % 100;
        radio.PowerLowLevel = 40 + k % 100;
        radio.Combo1 = radio.BandIndex = radioBand;
        radios.emplace_back(EncodeImage(radio), radioBand, faults[static_cast<std::size_t>(k - 1)]);
    }
    const ShelfTiming timing = {
        static_cast<ShelfTime>(PresentSeconds(choices, paced) * kNanoseconds),
        static_cast<ShelfTime>(choices.gap * kNanoseconds)};
    return RadioShelf(std::move(radios), timing);
}

std::string DescribeShelf(const ShelfChoices& choices, bool paced, const std::string& device) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "A shelf of %d virtual radios on %s, one after another: each stays %.1f s after "
                  "its first answer (a silent one after it came), then the line is empty for "
                  "%.1f s. Point a station at it (e.g. qv7100-cli station SETUP.DAT --port %s). "
                  "Ctrl+C ends it.\n",
                  choices.radios, device.c_str(), PresentSeconds(choices, paced), choices.gap,
                  device.c_str());
    return text;
}

std::string ShelfReport(const std::vector<ShelfRadioRecord>& radios) {
    std::string report;
    for (std::size_t k = 0; k < radios.size(); ++k) {
        const ShelfRadioRecord& radio = radios[k];
        char line[256];
        std::snprintf(
            line, sizeof line,
            "Radio %zu (%s%s%s): %s; sessions %d, blocks read %zu, blocks written %zu, "
            "ends received %d\n",
            k + 1, BandName(radio.band).c_str(),
            radio.fault.kind == RadioFaultKind::None ? "" : ", ",
            radio.fault.kind == RadioFaultKind::None ? "" : RadioFaultName(radio.fault).c_str(),
            !radio.came  ? "never came"
            : radio.gone ? "came and went"
                         : "still there",
            radio.record.sessions, radio.record.blocksRead.size(),
            radio.record.blocksWritten.size(), radio.record.endsReceived);
        report += line;
    }
    return report;
}

}  // namespace qv::cli
