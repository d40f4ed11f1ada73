// One set-up written into several radios at once, one port each, on the one event loop: every
// radio has its own copy of the program state, its own host that answers by a policy given up
// front, its own port, write, backups and clock, so that no radio's failure stops or slows
// another. The command line and the desktop program both drive it and tell its rows their way.
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "i18n/language.h"
#include "link/core/link_host.h"
#include "link/core/policy_host.h"
#include "link/qt/checked_write.h"
#include "link/qt/serial_port.h"
#include "rules/backups/backups.h"
#include "state/program_state.h"

namespace qv {

struct FleetOptions {
    bool allowOtherBand = false;  // a radio of another band is written, not skipped
    bool verify = false;
    bool backupFirst = false;
};

// How one radio of the fleet ended, in words of a language.
struct FleetRow {
    std::string device;
    std::string band;     // as the radio identified itself, "-" when it did not
    std::string result;   // written, skipped, failed: why, or stopped
    std::string verify;   // "-" when no read-back was asked or the write did not complete
    std::string seconds;  // "12.3"
};

struct FleetTally {
    int written = 0;
    int verified = 0;
    int notWritten = 0;  // failed, skipped or stopped, or written but not verified when asked
};

class FleetWrite : public QObject {
    Q_OBJECT

  public:
    // Backups go to `backupFolder`; a backup that cannot be saved is told in `language`.
    FleetWrite(std::filesystem::path backupFolder, Language language, QObject* parent = nullptr);
    ~FleetWrite() override;

    // `radio` below is the position of its device in the list Start was given.
    void SetStepHandler(std::function<void(std::size_t radio, CheckedWriteStep)> handler) {
        step_ = std::move(handler);
    }
    void SetProgressHandler(
        std::function<void(std::size_t radio, int maximum, int value)> handler) {
        progress_ = std::move(handler);
    }
    // A backup of the radio could not be saved (told once per radio).
    void SetNoteHandler(std::function<void(std::size_t radio, const std::string&)> handler) {
        note_ = std::move(handler);
    }
    void SetRadioFinishedHandler(std::function<void(std::size_t radio)> handler) {
        radioFinished_ = std::move(handler);
    }
    // Once every radio has ended, after its own handler.
    void SetFinishedHandler(std::function<void()> handler) { finished_ = std::move(handler); }

    // Writes `setup` into the radio on each of `devices` at the same time, never with the
    // calibration block: each radio keeps its own power calibration, whatever access `setup` has
    // open. Does nothing while a run goes on; with no devices, the run is over at once (the
    // finished handler is called).
    void Start(const std::vector<std::string>& devices, const ProgramState& setup,
               const FleetOptions& options);
    // Gives up every radio still running; each is told as stopped.
    void Stop();
    bool IsRunning() const { return running_ > 0; }

    std::size_t Count() const { return radios_.size(); }
    // The run's end of radio `radio`, once it has ended.
    const std::optional<CheckedWriteResult>& Result(std::size_t radio) const;
    // Written, and verified when a read-back was asked.
    bool Succeeded(std::size_t radio) const;
    FleetRow Row(std::size_t radio, Language language) const;
    FleetTally Tally() const;

  private:
    struct Radio;
    class ProgressView;

    void RadioEnded(std::size_t radio, const CheckedWriteResult& result);
    std::string Reason(const Radio& radio, Language language) const;

    std::filesystem::path backupFolder_;
    Language language_;
    FleetOptions options_;
    std::vector<std::unique_ptr<Radio>> radios_;
    std::size_t running_ = 0;
    std::function<void(std::size_t, CheckedWriteStep)> step_;
    std::function<void(std::size_t, int, int)> progress_;
    std::function<void(std::size_t, const std::string&)> note_;
    std::function<void(std::size_t)> radioFinished_;
    std::function<void()> finished_;
};

// The step's words in `language`: "writing", "reading back to verify"...
std::string FleetStepText(CheckedWriteStep step, Language language);

}  // namespace qv
