// One set-up written into several radios at once, one port each, on the one event loop: every
// radio has its own lane (port_lanes.h: a copy of the program state, a host that answers by a
// policy given up front, a port fixed to its device) and its own write and backups, so that no
// radio's failure stops or slows another. It reports how each radio ended as data; the command line
// and the desktop program drive it and word its radios their way (radio_report.h).
#pragma once

#include <QObject>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/core/link_host.h"
#include "link/qt/checked_write.h"
#include "link/qt/port_lanes.h"
#include "rules/backups/backups.h"
#include "state/program_state.h"

namespace qv {

struct FleetOptions {
    bool allowOtherBand = false;  // a radio of another band is written, not skipped
    bool verify = false;
    bool backupFirst = false;  // no radio is written whose memory could not be kept first
};

// How one radio of the fleet ended.
struct FleetRadioEnd {
    CheckedWriteResult result;  // its port as resolved when the fleet started, its backups...
    double seconds = 0;         // from the fleet's start to the radio's end
};

struct FleetTally {
    int written = 0;
    int verified = 0;
    int notWritten = 0;  // failed, skipped or stopped, or written but not verified when asked
};

class FleetWrite : public QObject {
    Q_OBJECT

  public:
    // Backups go to `backupFolder`.
    explicit FleetWrite(std::filesystem::path backupFolder, QObject* parent = nullptr);
    ~FleetWrite() override;

    // `radio` below is the position of its port in the list Start was given.
    void SetStepHandler(std::function<void(std::size_t radio, CheckedWriteStep)> handler) {
        step_ = std::move(handler);
    }
    void SetProgressHandler(
        std::function<void(std::size_t radio, int maximum, int value)> handler) {
        progress_ = std::move(handler);
    }
    void SetRadioFinishedHandler(std::function<void(std::size_t radio)> handler) {
        radioFinished_ = std::move(handler);
    }
    // Once every radio has ended, after its own handler.
    void SetFinishedHandler(std::function<void()> handler) { finished_ = std::move(handler); }

    // Writes `setup` into the radio on each of `ports` at the same time, never with the
    // calibration block: each radio keeps its own power calibration, whatever access `setup` has
    // open. A port is "COMn", looked up once as the fleet starts, or a device path. Does nothing
    // while a run goes on; with no ports, the run is over at once (the finished handler is
    // called).
    void Start(const std::vector<std::string>& ports, const ProgramState& setup,
               const FleetOptions& options);
    // Gives up every radio still running; each is told as stopped.
    void Stop();
    bool IsRunning() const { return lanes_.IsRunning(); }

    std::size_t Count() const { return radios_.size(); }
    // The port radio `radio` is written through: its number and the device it stood for when the
    // fleet started.
    const PortName& Port(std::size_t radio) const;
    // The radio's end, once it has ended.
    const std::optional<FleetRadioEnd>& End(std::size_t radio) const;
    FleetTally Tally() const;
    const FleetOptions& Options() const { return options_; }

  private:
    struct Radio;

    void RadioEnded(std::size_t radio, const CheckedWriteResult& result);
    // Written, and verified when a read-back was asked.
    bool Succeeded(std::size_t radio) const;

    BackupKeeper keeper_;
    FleetOptions options_;
    PortLanes lanes_;  // before the radios, whose writes use them: they go first
    std::vector<std::unique_ptr<Radio>> radios_;
    std::function<void(std::size_t, CheckedWriteStep)> step_;
    std::function<void(std::size_t, int, int)> progress_;
    std::function<void(std::size_t)> radioFinished_;
    std::function<void()> finished_;
};

}  // namespace qv
