#include "cli/fleet_write.h"

#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/link_session.h"
#include "cli/standard_output.h"
#include "i18n/trust_texts.h"
#include "image/text.h"
#include "link/core/transfer_failure.h"
#include "link/qt/checked_write.h"
#include "rules/program/file_commands.h"
#include "rules/program/startup.h"
#include "rules/trust/backups.h"

namespace qv::cli {
namespace {

constexpr Language kEnglish = Language::English;

// One radio of the fleet, with everything of its own: program state, answers, port, driver.
struct Radio {
    Radio(const std::string& name, const ProgramState& setup, bool answerYes)
        : device(name),
          host(answerYes ? Questions::AnswerYes : Questions::AnswerNo),
          state(setup),
          keeper(
              BackupsFolder(), [name](const std::string& text) { Note(name + ": " + text); },
              kEnglish) {
        host.SetQuiet(true);
        UsePort(device, state, port);
    }

    std::string device;
    ConsoleHost host;
    ProgramState state;
    SerialPort port;
    UnwatchedTransferView view;  // its lines are written as its steps start and end
    BackupKeeper keeper;
    std::unique_ptr<CheckedWrite> run;
    QElapsedTimer clock;
    double seconds = 0;
    std::optional<CheckedWriteResult> result;
};

const char* StepLine(CheckedWriteStep step) {
    switch (step) {
        case CheckedWriteStep::BackupRead:
            return "reading the radio into a backup";
        case CheckedWriteStep::Write:
            return "writing";
        case CheckedWriteStep::VerifyRead:
            return "reading back to verify";
    }
    return "";
}

// Why a radio was not written, in a few words for the table.
std::string Reason(const Radio& radio) {
    const CheckedWriteResult& result = *radio.result;
    if (result.outcome == TransferOutcome::PortNotOpen) {
        return PortOpenMessage(radio.port.LastOpenError(), radio.port.Name(), kEnglish);
    }
    const bool writing = result.step == CheckedWriteStep::Write;
    std::string details = FailureDetails(result.failure, writing, "", kEnglish);
    if (details.starts_with(": ")) details.erase(0, 2);
    if (const std::size_t line = details.find('\n'); line != std::string::npos) {
        details = details.substr(0, line);
    }
    if (details.empty() && !radio.host.Messages().empty()) details = radio.host.Messages().back();
    if (result.step == CheckedWriteStep::VerifyRead) details = "reading back: " + details;
    if (result.step == CheckedWriteStep::BackupRead) details = "reading the backup: " + details;
    return details;
}

struct Row {
    std::string port, band, result, verify, seconds;
};

Row RowOf(const Radio& radio, bool verify) {
    const CheckedWriteResult& result = *radio.result;
    Row row;
    row.port = radio.device;
    row.band = result.radioIdentified ? BandName(result.radioBand) : "-";
    if (result.outcome == TransferOutcome::WriteDeclined) {
        row.result =
            TrustText(TrustTextId::FleetSkippedOtherBand, kEnglish, {BandName(result.radioBand)});
    } else if (result.WriteCompleted()) {
        row.result = TrustText(TrustTextId::FleetWritten, kEnglish);
    } else {
        row.result = TrustText(TrustTextId::FleetFailed, kEnglish, {Reason(radio)});
    }
    if (!verify || !result.WriteCompleted()) {
        row.verify = "-";
    } else if (!result.readBack) {
        row.verify =
            TrustText(TrustTextId::FleetNotVerified, kEnglish) + " (" + Reason(radio) + ")";
    } else if (result.differences.empty()) {
        row.verify = TrustText(TrustTextId::FleetVerified, kEnglish);
    } else {
        row.verify = TrustText(TrustTextId::FleetDiffers, kEnglish,
                               {std::to_string(result.differences.size())});
    }
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%.1f", radio.seconds);
    row.seconds = seconds;
    return row;
}

std::string Table(const std::vector<Row>& rows) {
    std::vector<Row> all = {{"Port", "Radio band", "Result", "Verify", "Seconds"}};
    all.insert(all.end(), rows.begin(), rows.end());
    std::array<std::size_t, 5> widths{};
    for (const Row& row : all) {
        const std::array<const std::string*, 5> cells = {&row.port, &row.band, &row.result,
                                                         &row.verify, &row.seconds};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            widths[c] = std::max(widths[c], CharCount(*cells[c]));
        }
    }
    std::string text;
    for (const Row& row : all) {
        const std::array<const std::string*, 5> cells = {&row.port, &row.band, &row.result,
                                                         &row.verify, &row.seconds};
        std::string line;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            line += *cells[c] + std::string(widths[c] - CharCount(*cells[c]) + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        text += line + "\n";
    }
    return text;
}

}  // namespace

void FleetWrite(const std::vector<std::string>& devices, const std::string& in,
                const WriteChoices& choices) {
    ConsoleHost fileHost;
    fileHost.SetQuiet(true);
    ProgramState setup = StartupState(fileHost, 1);
    if (const Status opened = OpenSetupFile(in, setup, fileHost); !opened.ok()) {
        throw CommandFailed(in + ": " + opened.Describe(kEnglish));
    }
    if (choices.unlockCalibration) setup.CalibrationUnlocked = true;

    // Every radio on the one event loop, each with its own port, timers and engine: the radios
    // wait on their lines, and the program only answers them in turn.
    Application();
    QEventLoop loop;
    std::vector<std::unique_ptr<Radio>> radios;
    std::size_t running = 0;
    for (const std::string& device : devices) {
        radios.push_back(std::make_unique<Radio>(device, setup, choices.answerYes));
        Radio& radio = *radios.back();
        radio.run = std::make_unique<CheckedWrite>(radio.state, radio.host, radio.port, radio.view,
                                                   &radio.keeper);
        radio.run->SetStepHandler([&radio](CheckedWriteStep step) {
            std::fprintf(stderr, "%s: %s\n", radio.device.c_str(), StepLine(step));
        });
        radio.run->SetFinishedHandler([&](const CheckedWriteResult& result) {
            radio.seconds = static_cast<double>(radio.clock.nsecsElapsed()) / 1e9;
            radio.result = result;
            const Row row = RowOf(radio, choices.verify);
            std::fprintf(stderr, "%s: %s%s (%s s)\n", radio.device.c_str(), row.result.c_str(),
                         row.verify == "-" ? "" : (", " + row.verify).c_str(), row.seconds.c_str());
            if (--running == 0) {
                QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
            }
        });
    }
    CheckedWriteOptions options;
    options.backupFirst = choices.backupFirst;
    options.verify = choices.verify;
    for (const auto& radio : radios) {
        ++running;
        radio->clock.start();
        radio->run->Start(options);
    }
    if (running > 0) loop.exec();

    std::vector<Row> rows;
    int failed = 0;
    for (const auto& radio : radios) {
        rows.push_back(RowOf(*radio, choices.verify));
        const CheckedWriteResult& result = *radio->result;
        const bool ok = result.WriteCompleted() && (!choices.verify || result.Verified());
        if (!ok) ++failed;
        if (!result.differences.empty()) {
            for (const SetupDifference& difference : result.differences) {
                std::fprintf(
                    stderr, "%s: %s\n", radio->device.c_str(),
                    DescribeDifference(difference, DifferenceWording::Verify, kEnglish).c_str());
            }
        }
    }
    PrintToStandardOutput(Table(rows));
    if (failed > 0) {
        throw CommandFailed(std::to_string(failed) + " of " + std::to_string(radios.size()) +
                            " radios were not written" + (choices.verify ? " and verified" : ""));
    }
}

}  // namespace qv::cli
