#include "link/qt/fleet_write.h"

#include <cstdio>

#include "i18n/fleet_texts.h"
#include "link/core/port_problem.h"
#include "link/core/transfer_failure.h"
#include "state/bands.h"

namespace qv {

std::string FleetStepText(CheckedWriteStep step, Language language) {
    switch (step) {
        case CheckedWriteStep::BackupRead:
            return FleetText(FleetTextId::StepBackupRead, language);
        case CheckedWriteStep::Write:
            return FleetText(FleetTextId::StepWrite, language);
        case CheckedWriteStep::VerifyRead:
            return FleetText(FleetTextId::StepVerifyRead, language);
    }
    return {};
}

// A radio's transfers show nothing but their progress, which is passed on.
class FleetWrite::ProgressView : public UnwatchedTransferView {
  public:
    explicit ProgressView(std::function<void(int, int)> progress)
        : progress_(std::move(progress)) {}
    void ShowProgress(int maximum, int value) override {
        maximum_ = maximum;
        progress_(maximum, value);
    }
    void SetProgressValue(int value) override { progress_(maximum_, value); }

  private:
    std::function<void(int, int)> progress_;
    int maximum_ = 0;
};

// One radio of the fleet, with everything of its own.
struct FleetWrite::Radio {
    Radio(std::string name, const ProgramState& setup, bool answerYes,
          const std::filesystem::path& folder, Language language,
          std::function<void(const std::string&)> note, std::function<void(int, int)> progress)
        : device(std::move(name)),
          host(answerYes),
          state(setup),
          view(std::move(progress)),
          keeper(folder, std::move(note), language) {
        // The calibration block holds this radio's own power levels: a set-up copied with
        // calibration access open would write one radio's levels into every radio of the fleet.
        state.CalibrationUnlocked = false;
        // Resolved once, when the fleet starts: every step of this radio opens this device.
        port.FixDevice(ResolvePortText(device));
    }

    std::string device;
    PolicyHost host;
    ProgramState state;
    SerialPort port;
    ProgressView view;
    BackupKeeper keeper;
    std::unique_ptr<CheckedWrite> run;
    QElapsedTimer clock;
    double seconds = 0;
    std::optional<CheckedWriteResult> result;
};

FleetWrite::FleetWrite(std::filesystem::path backupFolder, Language language, QObject* parent)
    : QObject(parent), backupFolder_(std::move(backupFolder)), language_(language) {}

FleetWrite::~FleetWrite() = default;

void FleetWrite::Start(const std::vector<std::string>& devices, const ProgramState& setup,
                       const FleetOptions& options) {
    if (IsRunning()) return;
    options_ = options;
    radios_.clear();
    for (std::size_t i = 0; i < devices.size(); ++i) {
        radios_.push_back(std::make_unique<Radio>(
            devices[i], setup, options.allowOtherBand, backupFolder_, language_,
            [this, i](const std::string& text) {
                if (note_) note_(i, text);
            },
            [this, i](int maximum, int value) {
                if (progress_) progress_(i, maximum, value);
            }));
        Radio& radio = *radios_.back();
        radio.run = std::make_unique<CheckedWrite>(radio.state, radio.host, radio.port, radio.view,
                                                   &radio.keeper);
        radio.run->SetStepHandler([this, i](CheckedWriteStep step) {
            if (step_) step_(i, step);
        });
        radio.run->SetFinishedHandler(
            [this, i](const CheckedWriteResult& result) { RadioEnded(i, result); });
    }
    CheckedWriteOptions write;
    write.backupFirst = options.backupFirst;
    write.verify = options.verify;
    running_ = radios_.size();
    if (radios_.empty()) {
        if (finished_) finished_();
        return;
    }
    // Each radio waits on its own line; the event loop only answers them in turn.
    for (const auto& radio : radios_) {
        radio->clock.start();
        radio->run->Start(write);
    }
}

void FleetWrite::Stop() {
    for (const auto& radio : radios_) {
        if (!radio->result) radio->run->Stop();
    }
}

void FleetWrite::RadioEnded(std::size_t radio, const CheckedWriteResult& result) {
    Radio& ended = *radios_[radio];
    ended.seconds = static_cast<double>(ended.clock.nsecsElapsed()) / 1e9;
    ended.result = result;
    --running_;
    if (radioFinished_) radioFinished_(radio);
    if (running_ == 0 && finished_) finished_();
}

const std::optional<CheckedWriteResult>& FleetWrite::Result(std::size_t radio) const {
    return radios_.at(radio)->result;
}

bool FleetWrite::Succeeded(std::size_t radio) const {
    const std::optional<CheckedWriteResult>& result = Result(radio);
    return result && result->WriteCompleted() && (!options_.verify || result->Verified());
}

// Why a radio was not written (or not read back), in a few words.
std::string FleetWrite::Reason(const Radio& radio, Language language) const {
    const CheckedWriteResult& result = *radio.result;
    if (result.outcome == TransferOutcome::PortNotOpen) {
        return PortOpenMessage(radio.port.LastOpenError(), radio.port.Name(), language);
    }
    const bool writing = result.step == CheckedWriteStep::Write;
    std::string details = FailureDetails(result.failure, writing, "", language);
    // The details name the port first; the row already does.
    for (const std::string_view lead : {": ", "："}) {
        if (details.starts_with(lead)) details.erase(0, lead.size());
    }
    if (const std::size_t line = details.find('\n'); line != std::string::npos) {
        details = details.substr(0, line);
    }
    if (details.empty() && !radio.host.Messages().empty()) details = radio.host.Messages().back();
    if (result.step == CheckedWriteStep::VerifyRead) {
        return FleetText(FleetTextId::ReadingBackFailed, language, {details});
    }
    if (result.step == CheckedWriteStep::BackupRead) {
        return FleetText(FleetTextId::BackupReadFailed, language, {details});
    }
    return details;
}

FleetRow FleetWrite::Row(std::size_t index, Language language) const {
    const Radio& radio = *radios_.at(index);
    FleetRow row;
    row.device = radio.device;
    row.band = "-";
    row.verify = "-";
    if (!radio.result) return row;
    const CheckedWriteResult& result = *radio.result;
    if (result.radioIdentified) row.band = std::string(BandAt(result.radioBand).listText);
    if (result.outcome == TransferOutcome::WriteDeclined) {
        row.result = FleetText(FleetTextId::SkippedOtherBand, language, {row.band});
    } else if (result.WriteCompleted()) {
        row.result = FleetText(FleetTextId::Written, language);
    } else if (result.stopped) {
        row.result = FleetText(FleetTextId::Stopped, language);
    } else {
        row.result = FleetText(FleetTextId::Failed, language, {Reason(radio, language)});
    }
    if (!options_.verify || !result.WriteCompleted()) {
        row.verify = "-";
    } else if (result.stopped) {
        row.verify = FleetText(FleetTextId::Stopped, language);
    } else if (!result.readBack) {
        row.verify =
            FleetText(FleetTextId::NotVerified, language) + " (" + Reason(radio, language) + ")";
    } else if (result.differences.empty()) {
        row.verify = FleetText(FleetTextId::Verified, language);
    } else {
        row.verify =
            FleetText(FleetTextId::Differs, language, {std::to_string(result.differences.size())});
    }
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%.1f", radio.seconds);
    row.seconds = seconds;
    return row;
}

FleetTally FleetWrite::Tally() const {
    FleetTally tally;
    for (std::size_t i = 0; i < radios_.size(); ++i) {
        const std::optional<CheckedWriteResult>& result = radios_[i]->result;
        if (result && result->WriteCompleted()) ++tally.written;
        if (result && result->Verified()) ++tally.verified;
        if (!Succeeded(i)) ++tally.notWritten;
    }
    return tally;
}

}  // namespace qv
