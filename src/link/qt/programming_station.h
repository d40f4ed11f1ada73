// A programming station: one set-up written into radio after radio, with no click between them.
// Each chosen port waits for a radio on its own: about every 0.5 s it asks who answers (a probe:
// the handshake, the identification, and the end of programming mode at once), and a QV-7100 that
// answers is programmed at once: read into a backup, written, read back and compared (a checked
// write; the backup and the read-back can be left out). Then the port waits until that radio has
// gone (two probes in a row without an answer) before it takes the next, so that no radio is
// written twice by accident; a probe that finds it still there changes nothing. Every radio ends
// with a line in the programming log, on disk before its port takes another radio. No radio's
// failure holds up another port.
//
// It runs on the machinery of the fleet write and the detection: each port in a lane of its own
// (port_lanes.h: resolved once, as the station starts, and fixed to that device; its own state
// and a host that answers the band question as told up front), the transfer engine's probe, the
// checked write with its backups. The calibration block is never written: every radio keeps its
// own power calibration.
//
// Each radio gets the set-up with its own embedded lines (radio_values.h), which it uses up only
// when it ends written. A radio of another band than the set-up is skipped without a transfer
// unless the band question is answered Yes. The station takes no more radios once Stop is asked,
// once `count` radios were handled, once the per-radio values are used up, or once a log line
// cannot be written; the radios being programmed then finish (StopNow ends them at once), and the
// finished handler is called.
//
// It reports as data: an event per port and radio (StationEvent, with Port(p) saying the rest),
// the counters (Tally), the rows it logged (Logged), and why it stopped taking radios. The command
// line and the desktop window word them.
#pragma once

#include <QObject>

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/core/radio_probe.h"
#include "link/qt/checked_write.h"
#include "link/qt/port_lanes.h"
#include "rules/backups/backups.h"
#include "rules/station/radio_values.h"
#include "rules/station/station_log.h"
#include "rules/station/station_log_file.h"
#include "state/program_state.h"

namespace qv {

struct StationOptions {
    bool verify = true;           // read each radio back after the write and compare
    bool backupFirst = true;      // read each radio into a backup before writing it
    bool allowOtherBand = false;  // a radio of another band is written, not skipped
    std::optional<int> count;     // take no more radios once this many were handled
    std::filesystem::path log;    // the programming log (station_log_file.h)
    std::string setupName;        // the set-up's file name, as the log names it
};

// Where a port is in its round.
enum class StationPhase {
    Waiting,      // probing about every 0.5 s for a radio
    Programming,  // a radio is being backed up, written and read back
    RemoveRadio,  // its radio has ended and is logged; probing until it has gone
    Stopped,      // the station takes no more radios, and this port has none
};

// The radio a port took, from its arrival until the port takes the next.
struct StationRadio {
    int number = 0;           // its running number in this station run, from 1
    std::optional<int> band;  // the band it identified itself with, when known
    RadioLines lines;         // the per-radio lines it was given; nothing: the set-up's own
    std::optional<std::size_t> value;  // the per-radio value it holds, until it ends
    CheckedWriteStep step = CheckedWriteStep::Write;
    int steps = 1;            // how many steps its programming takes
    int stepIndex = 0;        // of `step`, from 0
    int progressMaximum = 0;  // of the step's transfer
    int progressValue = 0;
    std::optional<CheckedWriteResult> run;  // once ended; nothing for a radio skipped at once
    std::optional<StationLogRow> row;       // once ended: its line of the log
    bool gone = false;                      // it has been removed

    // How far its programming has come, over every step, from 0 to 100.
    int Percent() const;
};

struct StationPort {
    PortName port;  // as resolved when the station started
    StationPhase phase = StationPhase::Waiting;
    // What answered its last probe while no radio was taken (nothing, another model, a port that
    // does not open), as the last PortAnswer event told it.
    ProbeResult answer;
    std::optional<StationRadio> radio;
};

enum class StationEvent {
    PortWaiting,          // the port waits for a radio: at the start, and after its radio has gone
    PortAnswer,           // while it waits, what answers changed (StationPort::answer)
    RadioArrived,         // a radio answered and was taken (StationPort::radio)
    RadioWaitsForValues,  // a radio answered, but every value left is held by a radio being
                          // programmed; it is taken if one of them gives its value back
    StepStarted,          // the radio's step (StationRadio::step) starts
    Progress,             // the radio's progress moved
    RadioEnded,           // the radio's result is known and logged (StationRadio::row): remove it
    RadioGone,            // the radio has been removed (the port then waits again)
    PortStopped,          // the station takes no more radios and this port is done
};

// Why the station takes no more radios.
enum class StationStop {
    None,          // it still takes radios
    Asked,         // Stop: the radios being programmed finish
    AskedNow,      // StopNow: the radios being programmed were ended at once
    CountReached,  // `count` radios were handled
    ValuesUsedUp,  // the roster's rows, or the counter's numbers that fit, are used up
    LogFailed,     // a line could not be written to the log (LogFault)
};

struct StationTally {
    int handled = 0;  // every radio logged
    int written = 0;  // result written
    int verified = 0;
    int failed = 0;
    int skipped = 0;
};

class ProgrammingStation : public QObject {
    Q_OBJECT

  public:
    // Backups go to `backupFolder`.
    explicit ProgrammingStation(std::filesystem::path backupFolder, QObject* parent = nullptr);
    ~ProgrammingStation() override;

    // `port` below is the position of the port in the list Start was given. Called from the
    // event loop.
    void SetEventHandler(std::function<void(std::size_t port, StationEvent event)> handler) {
        event_ = std::move(handler);
    }
    // Once, when the station stops taking radios (Stopping() says why).
    void SetStoppingHandler(std::function<void()> handler) { stopping_ = std::move(handler); }
    // Once every port is done after the station stopped taking radios.
    void SetFinishedHandler(std::function<void()> handler) { finished_ = std::move(handler); }

    // Makes the log ready and starts waiting for radios on each of `ports`, as resolved, at the
    // same time, each radio getting `setup` with its lines from `values`. False, with nothing
    // started and no port touched, when the log cannot take lines (LogFault says why): a station
    // that cannot record must not program. Does nothing while the station runs.
    bool Start(const std::vector<PortName>& ports, const ProgramState& setup, RadioValues values,
               const StationOptions& options);
    // Takes no more radios: the ports waiting stop probing, the radios being programmed finish.
    void Stop();
    // As Stop, and the radios being programmed are ended at once as their watchdog would end them
    // (each is logged as failed, with what it may hold).
    void StopNow();
    bool IsRunning() const { return running_; }

    std::size_t Count() const { return lanes_.size(); }
    const StationPort& Port(std::size_t port) const;
    StationTally Tally() const;
    StationStop Stopping() const { return stop_; }
    // Why a log line could not be written (StationStop::LogFailed), or why the log could not be
    // made ready (Start returned false).
    const std::optional<LogFileFault>& LogFault() const { return logFault_; }
    // With StationStop::ValuesUsedUp: why the next value does not exist, when a counter's text no
    // longer fits its line; nothing when the roster's rows are used up.
    std::optional<ValuesProblem> ValuesUsedUpBecause() const;
    // How many per-radio values were used up by radios written.
    std::size_t ValuesWritten() const { return values_.WrittenCount(); }
    // The rows of this run, in the order the radios ended.
    const std::vector<StationLogRow>& Logged() const { return logged_; }
    // Those of them whose line the log could not take (StationStop::LogFailed).
    const std::vector<StationLogRow>& Unrecorded() const { return unrecorded_; }
    const StationOptions& Options() const { return options_; }

  private:
    struct Lane;

    void Probe(std::size_t lane);
    void CadenceEnded(std::size_t lane);
    void ProbeEnded(std::size_t lane);
    void NextProbe(std::size_t lane);
    void RadioAnswered(std::size_t lane, const ProbeResult& probe);
    void SkipOtherBand(std::size_t lane, int band);
    void StepStarted(std::size_t lane, CheckedWriteStep step);
    void ProgressMoved(std::size_t lane, int maximum, int value);
    void RadioEnded(std::size_t lane, const CheckedWriteResult& result);
    // Logs the lane's radio with `row`: its line on disk, then the event.
    void Log(std::size_t lane, StationLogRow row);
    StationLogRow RowOf(std::size_t lane) const;
    void Gone(std::size_t lane);
    void StopTaking(StationStop why);
    // Ends the run once no port probes and no radio is being programmed.
    void FinishWhenDone();
    void Tell(std::size_t lane, StationEvent event);

    BackupKeeper keeper_;
    StationOptions options_;
    ProgramState setup_;
    ValuesCursor values_;
    PortLanes ports_;  // before the lanes, whose runs use them: they go first
    std::vector<std::unique_ptr<Lane>> lanes_;
    std::vector<StationLogRow> logged_;
    std::vector<StationLogRow> unrecorded_;
    int taken_ = 0;
    bool running_ = false;
    StationStop stop_ = StationStop::None;
    std::optional<LogFileFault> logFault_;
    std::function<void(std::size_t, StationEvent)> event_;
    std::function<void()> stopping_;
    std::function<void()> finished_;
};

}  // namespace qv
