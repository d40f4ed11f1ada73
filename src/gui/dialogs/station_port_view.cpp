#include "gui/dialogs/station_port_view.h"

#include <cstdio>
#include <string_view>

#include "gui/shell/window_texts.h"
#include "link/core/port_problem.h"
#include "link/core/probe_report.h"
#include "link/qt/radio_report.h"
#include "link/qt/station_report.h"
#include "state/bands.h"

namespace qv {
namespace {

std::string Seconds(double seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return text;
}

// A reason told as a sentence ends in a stop; inside the state's sentence it is only a part.
std::string WithoutStop(std::string text) {
    for (const std::string_view stop : {std::string_view("."), std::string_view("\u3002")}) {
        while (text.ends_with(stop)) text.resize(text.size() - stop.size());
    }
    return text;
}

// What answered the port's last probe, when that changed while it waits.
QString AnswerDetails(const StationPort& port, Language language) {
    switch (port.answer.answer) {
        case ProbeAnswer::PortNotOpen:
            return WindowText(StationTextId::PortNotOpen, language,
                              {PortOpenMessage(port.answer.portError, port.port, language)});
        case ProbeAnswer::PortLost:
            return WindowText(StationTextId::PortLost, language);
        case ProbeAnswer::OtherModel:
            return WindowText(StationTextId::OtherModel, language,
                              {PrintableBytes(port.answer.received)});
        case ProbeAnswer::Nothing:
        case ProbeAnswer::ThisModel:
            break;
    }
    return WindowText(StationTextId::NoRadioAgain, language);
}

// The radio's number and `step`, then the lines it gets.
QString RadioDetails(const StationRadio& radio, const std::string& step, const StationRun& run) {
    std::array<std::string, 2> lines;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        lines[line] = radio.lines[line].value_or(run.setupLines[line]);
    }
    return WindowText(StationTextId::RadioStep, run.language,
                      {std::to_string(radio.number), step}) +
           QLatin1Char('\n') +
           WindowText(StationTextId::EmbeddedLines, run.language, {lines[0], lines[1]});
}

PortView Writing(const StationRadio& radio, const std::string& step, const StationRun& run) {
    const int percent = radio.Percent();
    return {TileLook::Writing,
            WindowText(StationTextId::StateWriting, run.language, {std::to_string(percent)}),
            percent, RadioDetails(radio, step, run)};
}

PortView Ended(const StationRadio& radio, const StationRun& run) {
    const StationLogRow& row = *radio.row;
    const Language language = run.language;
    const std::string number = std::to_string(radio.number);
    const std::string why = WhyNotWritten(radio, run);
    PortView view{TileLook::Written, {}, radio.Percent(), {}};
    switch (row.result) {
        case StationResult::Written:
            view.state =
                WindowText(row.verify == StationVerify::Verified ? StationTextId::StateVerified
                                                                 : StationTextId::StateWritten,
                           language);
            view.details = WindowText(
                run.verify ? StationTextId::RadioWrittenVerified : StationTextId::RadioWritten,
                language, {number, Seconds(row.seconds)});
            break;
        // The reason stands in the state already; under it, the radio and its time.
        case StationResult::Failed:
            view.look = TileLook::Failed;
            view.state = WindowText(StationTextId::StateFailed, language, {WithoutStop(why)});
            view.details = WindowText(
                StationTextId::RadioStep, language,
                {number, FleetText(FleetTextId::Seconds, language, {Seconds(row.seconds)})});
            break;
        case StationResult::Skipped:
            view.look = TileLook::Skipped;
            view.state = WindowText(StationTextId::StateSkipped, language, {WithoutStop(why)});
            view.details = WindowText(
                StationTextId::RadioStep, language,
                {number, FleetText(FleetTextId::Seconds, language, {Seconds(row.seconds)})});
            break;
    }
    if (!row.backup.empty()) {
        view.details += QLatin1Char('\n') +
                        WindowText(StationTextId::RadioBackup, language, {number, row.backup});
    }
    return view;
}

}  // namespace

std::string WhyNotWritten(const StationRadio& radio, const StationRun& run) {
    if (!radio.row || radio.row->result == StationResult::Written) return {};
    if (radio.row->result == StationResult::Skipped && radio.band) {
        return OtherBandDetail(*radio.band, run.setupBand, run.language);
    }
    if (radio.run) return StationRadioDetail(*radio.run, run.verify, run.setupBand, run.language);
    return radio.row->detail;
}

std::optional<PortView> ViewOfPort(const StationPort& port, StationEvent event,
                                   const StationRun& run) {
    const QString waiting = WindowText(StationTextId::StateWaiting, run.language);
    switch (event) {
        case StationEvent::PortWaiting:
            return PortView{TileLook::Waiting, waiting, 0, {}};
        case StationEvent::PortAnswer:
            return PortView{TileLook::Waiting, waiting, 0, AnswerDetails(port, run.language)};
        case StationEvent::RadioWaitsForValues:
            return PortView{TileLook::Waiting, waiting, 0,
                            WindowText(StationTextId::RadioWaitsForValues, run.language)};
        case StationEvent::RadioArrived:
            return Writing(
                *port.radio,
                port.radio->band ? std::string(BandAt(*port.radio->band).listText) : std::string(),
                run);
        case StationEvent::StepStarted:
        case StationEvent::Progress:
            return Writing(*port.radio, StepText(port.radio->step, run.language), run);
        case StationEvent::RadioEnded:
            return Ended(*port.radio, run);
        case StationEvent::RadioGone:
            return std::nullopt;
        case StationEvent::PortStopped:
            return PortView{
                TileLook::Stopped, WindowText(StationTextId::StateStopped, run.language), 0, {}};
    }
    return std::nullopt;
}

}  // namespace qv
