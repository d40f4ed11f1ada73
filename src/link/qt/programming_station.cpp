#include "link/qt/programming_station.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

#include "i18n/language.h"
#include "link/qt/lane_view.h"
#include "link/qt/radio_report.h"
#include "link/qt/station_report.h"
#include "state/bands.h"

namespace qv {
namespace {

// A probe every half second: a radio plugged in is found within that, and a port's line carries a
// handshake and an end byte twice a second while it waits. A radio answers a probe within tens of
// milliseconds; a probe not over by its next turn is given up.
constexpr int kProbeIntervalMs = 500;
// A radio has gone once this many probes in a row found none: one lost answer (a loose plug, a
// noise) must not let the same radio be written again.
constexpr int kMissesForGone = 2;

constexpr Language kLogLanguage = Language::English;

}  // namespace

int StationRadio::Percent() const {
    if (steps <= 0) return 0;
    // Each step's bar counts to its maximum; a write ends below it, and its end counts whole.
    double done = stepIndex;
    if (progressMaximum > 0) {
        done += std::min(1.0, static_cast<double>(progressValue) / progressMaximum);
    }
    if (row) done = steps;
    return static_cast<int>(100.0 * done / steps);
}

// One port of the station: its run (the checked write, whose driver also probes), the cadence of
// its probes, and what it shows.
struct ProgrammingStation::Lane {
    Lane(std::function<void(int, int)> progress, std::function<void(TransferOutcome)> finished)
        : view(std::move(progress), std::move(finished)) {}

    LaneView view;
    std::unique_ptr<CheckedWrite> run;
    QTimer cadence;
    bool probing = false;
    bool due = false;  // the cadence ran out: the next probe starts as soon as it can
    int misses = 0;    // probes in a row that found no radio while one is to be removed
    bool toldWaitsForValues = false;
    QElapsedTimer radioClock;  // from the radio's first answer
    StationPort shown;
};

ProgrammingStation::ProgrammingStation(std::filesystem::path backupFolder, QObject* parent)
    : QObject(parent), keeper_(std::move(backupFolder)) {}

ProgrammingStation::~ProgrammingStation() = default;

bool ProgrammingStation::Start(const std::vector<PortName>& ports, const ProgramState& setup,
                               RadioValues values, const StationOptions& options) {
    if (running_) return false;
    logFault_ = PrepareStationLog(options.log);
    if (logFault_) return false;
    options_ = options;
    setup_ = setup;
    values_ = ValuesCursor(std::move(values));
    logged_.clear();
    unrecorded_.clear();
    taken_ = 0;
    stop_ = StationStop::None;
    lanes_.clear();
    ports_.Open(ports, setup, options.allowOtherBand);
    running_ = true;
    for (std::size_t i = 0; i < ports_.Count(); ++i) {
        PortLane& port = ports_[i];
        auto lane = std::make_unique<Lane>(
            [this, i](int maximum, int value) { ProgressMoved(i, maximum, value); },
            [this, i](TransferOutcome outcome) {
                // A probe tells its end from inside the engine's handling of a reply (or of its
                // start, when the port does not open); the port goes on once that is over. A
                // checked write's end comes through its own handler.
                if (outcome != TransferOutcome::ProbeEnded) return;
                QMetaObject::invokeMethod(
                    this, [this, i] { ProbeEnded(i); }, Qt::QueuedConnection);
            });
        lane->shown.port = port.resolved;
        lane->run =
            std::make_unique<CheckedWrite>(port.state, port.host, port.port, lane->view, &keeper_);
        lane->run->SetStepHandler([this, i](CheckedWriteStep step) { StepStarted(i, step); });
        lane->run->SetFinishedHandler(
            [this, i](const CheckedWriteResult& result) { RadioEnded(i, result); });
        lane->cadence.setSingleShot(true);
        lane->cadence.setInterval(kProbeIntervalMs);
        connect(&lane->cadence, &QTimer::timeout, this, [this, i] { CadenceEnded(i); });
        lanes_.push_back(std::move(lane));
    }
    if (lanes_.empty()) {
        StopTaking(StationStop::Asked);
        return true;
    }
    for (std::size_t i = 0; i < lanes_.size(); ++i) {
        Tell(i, StationEvent::PortWaiting);
        Probe(i);
    }
    return true;
}

const StationPort& ProgrammingStation::Port(std::size_t port) const {
    return lanes_.at(port)->shown;
}

void ProgrammingStation::Tell(std::size_t lane, StationEvent event) {
    if (event_) event_(lane, event);
}

void ProgrammingStation::Probe(std::size_t i) {
    Lane& lane = *lanes_[i];
    lane.probing = true;
    lane.due = false;
    lane.cadence.start();
    lane.run->Driver().StartProbe();
}

void ProgrammingStation::CadenceEnded(std::size_t i) {
    Lane& lane = *lanes_[i];
    if (stop_ != StationStop::None) return;
    if (lane.probing) {
        // Nothing answered in time: the probe gives up (its end byte as ever), and the next one
        // starts as it ends.
        lane.due = true;
        lane.run->Driver().Stop();
        return;
    }
    const StationPhase phase = lane.shown.phase;
    if (phase == StationPhase::Waiting || phase == StationPhase::RemoveRadio) Probe(i);
}

void ProgrammingStation::NextProbe(std::size_t i) {
    Lane& lane = *lanes_[i];
    if (stop_ != StationStop::None) return FinishWhenDone();
    if (lane.due || !lane.cadence.isActive()) Probe(i);
}

void ProgrammingStation::ProbeEnded(std::size_t i) {
    Lane& lane = *lanes_[i];
    lane.probing = false;
    const ProbeResult probe = lane.run->Driver().Engine().LastProbe();
    if (stop_ != StationStop::None) return FinishWhenDone();
    switch (lane.shown.phase) {
        case StationPhase::Waiting:
            if (probe.FoundRadio()) return RadioAnswered(i, probe);
            lane.toldWaitsForValues = false;
            if (probe.answer != lane.shown.answer.answer ||
                probe.portError != lane.shown.answer.portError) {
                lane.shown.answer = probe;
                Tell(i, StationEvent::PortAnswer);
            }
            break;
        case StationPhase::RemoveRadio:
            lane.misses = probe.FoundRadio() ? 0 : lane.misses + 1;
            if (lane.misses >= kMissesForGone) Gone(i);
            break;
        case StationPhase::Programming:
        case StationPhase::Stopped:
            return;
    }
    NextProbe(i);
}

void ProgrammingStation::RadioAnswered(std::size_t i, const ProbeResult& probe) {
    Lane& lane = *lanes_[i];
    if (probe.band && *probe.band != setup_.Combo1 && !options_.allowOtherBand) {
        return SkipOtherBand(i, *probe.band);
    }
    const std::optional<ValuesCursor::Taken> value = values_.Take();
    if (!value) {
        if (values_.UsedUp()) return StopTaking(StationStop::ValuesUsedUp);
        if (!lane.toldWaitsForValues) {
            lane.toldWaitsForValues = true;
            Tell(i, StationEvent::RadioWaitsForValues);
        }
        return NextProbe(i);
    }
    lane.toldWaitsForValues = false;
    lane.radioClock.start();
    PortLane& port = ports_[i];
    port.LoadSetup(setup_);
    ApplyRadioLines(port.state, value->lines);
    StationRadio radio;
    radio.number = ++taken_;
    radio.band = probe.band;
    radio.lines = value->lines;
    radio.value = value->index;
    radio.steps = 1 + (options_.backupFirst ? 1 : 0) + (options_.verify ? 1 : 0);
    lane.shown.radio = radio;
    lane.shown.phase = StationPhase::Programming;
    lane.shown.answer = probe;
    lane.cadence.stop();
    Tell(i, StationEvent::RadioArrived);
    CheckedWriteOptions write;
    write.backupFirst = options_.backupFirst;
    write.verify = options_.verify;
    lane.run->Start(write);
    if (options_.count && taken_ >= *options_.count) StopTaking(StationStop::CountReached);
}

void ProgrammingStation::SkipOtherBand(std::size_t i, int band) {
    Lane& lane = *lanes_[i];
    lane.radioClock.start();
    StationRadio radio;
    radio.number = ++taken_;
    radio.band = band;
    lane.shown.radio = radio;
    lane.shown.answer = {};
    Tell(i, StationEvent::RadioArrived);
    StationLogRow row = RowOf(i);
    // Nothing was written into it: no lines of its own, nor the set-up's.
    row.line1.clear();
    row.line2.clear();
    row.result = StationResult::Skipped;
    row.detail = OtherBandDetail(band, setup_.Combo1, kLogLanguage);
    Log(i, std::move(row));
    if (options_.count && taken_ >= *options_.count) StopTaking(StationStop::CountReached);
    NextProbe(i);
}

void ProgrammingStation::StepStarted(std::size_t i, CheckedWriteStep step) {
    if (!lanes_[i]->shown.radio) return;
    StationRadio& radio = *lanes_[i]->shown.radio;
    switch (step) {
        case CheckedWriteStep::BackupRead:
            radio.stepIndex = 0;
            break;
        case CheckedWriteStep::Write:
            radio.stepIndex = options_.backupFirst ? 1 : 0;
            break;
        case CheckedWriteStep::VerifyRead:
            radio.stepIndex = radio.steps - 1;
            break;
    }
    radio.step = step;
    radio.progressMaximum = 0;
    radio.progressValue = 0;
    Tell(i, StationEvent::StepStarted);
}

void ProgrammingStation::ProgressMoved(std::size_t i, int maximum, int value) {
    if (!lanes_[i]->shown.radio) return;
    StationRadio& radio = *lanes_[i]->shown.radio;
    radio.progressMaximum = maximum;
    radio.progressValue = value;
    Tell(i, StationEvent::Progress);
}

StationLogRow ProgrammingStation::RowOf(std::size_t i) const {
    const Lane& lane = *lanes_[i];
    const StationRadio& radio = *lane.shown.radio;
    const ProgramState& state = ports_[i].state;
    StationLogRow row;
    row.time = LocalIsoTime(std::chrono::system_clock::now());
    row.port = PortShortName(lane.shown.port);
    row.device = lane.shown.port.device;
    row.radio = radio.number;
    if (radio.band) row.band = BandAt(*radio.band).listText;
    row.setup = options_.setupName;
    row.line1 = state.EmbeddedInfo[0];
    row.line2 = state.EmbeddedInfo[1];
    row.seconds = static_cast<double>(lane.radioClock.nsecsElapsed()) / 1e9;
    return row;
}

void ProgrammingStation::RadioEnded(std::size_t i, const CheckedWriteResult& result) {
    Lane& lane = *lanes_[i];
    StationRadio& radio = *lane.shown.radio;
    radio.run = result;
    if (result.radioIdentified) radio.band = result.radioBand;
    StationLogRow row = RowOf(i);
    row.result = StationResultOf(result, options_.verify);
    row.verify = StationVerifyOf(result);
    if (result.written) {
        row.setupSha256 = WrittenBytesSha256(*result.written, result.calibrationWritten);
    }
    if (const SavedBackup* backup = RadioBackup(result); backup != nullptr && backup->Saved()) {
        row.backup = backup->path.filename().string();
    }
    row.detail = StationRadioDetail(result, options_.verify, setup_.Combo1, kLogLanguage);
    if (radio.value) {
        if (row.result == StationResult::Written) {
            values_.Written(*radio.value);
        } else {
            values_.GiveBack(*radio.value);
        }
        radio.value.reset();
    }
    Log(i, std::move(row));
    if (values_.Values().Vary() && values_.UsedUp()) StopTaking(StationStop::ValuesUsedUp);
    // Whether the radio is still there is asked at once; a probe that finds it changes nothing.
    NextProbe(i);
}

void ProgrammingStation::Log(std::size_t i, StationLogRow row) {
    Lane& lane = *lanes_[i];
    // On disk before this port, or any other, takes another radio.
    if (std::optional<LogFileFault> fault = AppendStationLog(options_.log, row)) {
        if (!logFault_) logFault_ = std::move(fault);
        unrecorded_.push_back(row);
        StopTaking(StationStop::LogFailed);
    }
    logged_.push_back(row);
    lane.shown.radio->row = std::move(row);
    lane.shown.phase = StationPhase::RemoveRadio;
    lane.misses = 0;
    Tell(i, StationEvent::RadioEnded);
}

void ProgrammingStation::Gone(std::size_t i) {
    Lane& lane = *lanes_[i];
    lane.shown.radio->gone = true;
    Tell(i, StationEvent::RadioGone);
    lane.shown.radio.reset();
    lane.shown.answer = {};
    lane.shown.phase = StationPhase::Waiting;
    Tell(i, StationEvent::PortWaiting);
}

void ProgrammingStation::Stop() {
    StopTaking(StationStop::Asked);
}

void ProgrammingStation::StopNow() {
    if (!running_) return;
    StopTaking(StationStop::AskedNow);
    if (stop_ == StationStop::Asked) stop_ = StationStop::AskedNow;
    for (const auto& lane : lanes_) {
        if (lane->run->IsRunning()) lane->run->Stop();
    }
}

void ProgrammingStation::StopTaking(StationStop why) {
    if (!running_ || stop_ != StationStop::None) return;
    stop_ = why;
    if (stopping_) stopping_();
    for (std::size_t i = 0; i < lanes_.size(); ++i) {
        Lane& lane = *lanes_[i];
        lane.cadence.stop();
        // A probe under way gives up at once (its end byte as ever); its end finishes the port.
        if (lane.probing) lane.run->Driver().Stop();
        if (lane.shown.phase == StationPhase::Waiting) {
            lane.shown.phase = StationPhase::Stopped;
            Tell(i, StationEvent::PortStopped);
        }
    }
    FinishWhenDone();
}

void ProgrammingStation::FinishWhenDone() {
    if (!running_ || stop_ == StationStop::None) return;
    for (const auto& lane : lanes_) {
        if (lane->probing || lane->run->IsRunning()) return;
    }
    running_ = false;
    for (std::size_t i = 0; i < lanes_.size(); ++i) ports_.Ended(i);
    if (finished_) finished_();
}

StationTally ProgrammingStation::Tally() const {
    StationTally tally;
    for (const StationLogRow& row : logged_) {
        ++tally.handled;
        if (row.verify == StationVerify::Verified) ++tally.verified;
        switch (row.result) {
            case StationResult::Written:
                ++tally.written;
                break;
            case StationResult::Failed:
                ++tally.failed;
                break;
            case StationResult::Skipped:
                ++tally.skipped;
                break;
        }
    }
    return tally;
}

std::optional<ValuesProblem> ProgrammingStation::ValuesUsedUpBecause() const {
    if (stop_ != StationStop::ValuesUsedUp) return std::nullopt;
    return values_.Values().MissingBecause(values_.End());
}

}  // namespace qv
