#include "cli/fleet_write.h"

#include <QEventLoop>

#include <cstdio>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/link_session.h"
#include "cli/standard_output.h"
#include "cli/text_columns.h"
#include "link/qt/fleet_write.h"
#include "link/qt/radio_report.h"
#include "rules/compare/setup_compare.h"
#include "rules/program/file_commands.h"
#include "rules/program/startup.h"
#include "state/bands.h"

namespace qv::cli {
namespace {

constexpr Language kEnglish = Language::English;

std::string Seconds(double seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return text;
}

// A cell with nothing to say.
std::string OrDash(std::string text) {
    return text.empty() ? std::string("-") : text;
}

// Port, radio band, result, verify, backup, seconds.
std::vector<std::string> TableRow(const std::string& port, const FleetRadioEnd& end, bool verify) {
    const CheckedWriteResult& result = end.result;
    const SavedBackup* backup = RadioBackup(result);
    return {port,
            result.radioIdentified ? BandName(result.radioBand) : std::string("-"),
            RadioResultText(result, kEnglish),
            OrDash(RadioVerifyText(result, verify, kEnglish)),
            backup == nullptr ? std::string("-")
            : backup->Saved() ? backup->path.filename().string()
                              : std::string("not saved"),
            Seconds(end.seconds)};
}

// What a radio's line on standard error says as it ends, and its backups.
void TellEnd(const std::string& port, const FleetRadioEnd& end, bool verify) {
    const CheckedWriteResult& result = end.result;
    const std::string verdict = RadioVerifyText(result, verify, kEnglish);
    std::fprintf(stderr, "%s: %s%s (%s s)\n", port.c_str(),
                 RadioResultText(result, kEnglish).c_str(),
                 verdict.empty() ? "" : (", " + verdict).c_str(), Seconds(end.seconds).c_str());
    if (result.beforeBackup && result.beforeBackup->Saved()) {
        std::fprintf(stderr, "%s: the radio's memory before the write is kept in %s\n",
                     port.c_str(), result.beforeBackup->path.c_str());
    }
    for (const std::string& finding : RadioPortFindings(result, kEnglish)) {
        std::fprintf(stderr, "%s: %s\n", port.c_str(), finding.c_str());
    }
    if (result.heldForBackup) return;  // the result says it
    for (const std::optional<SavedBackup>* backup : {&result.beforeBackup, &result.afterBackup}) {
        if (*backup && !(*backup)->Saved()) {
            std::fprintf(stderr, "%s: %s\n", port.c_str(),
                         RadioBackupText(result, kEnglish).c_str());
        }
    }
    for (const SetupDifference& difference : result.differences) {
        std::fprintf(stderr, "%s: %s\n", port.c_str(),
                     DescribeDifference(difference, DifferenceWording::Verify, kEnglish).c_str());
    }
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

    // Every radio on the one event loop, each with its own port, timers and engine.
    Application();
    QEventLoop loop;
    qv::FleetWrite fleet(UserBackupFolder());
    fleet.SetStepHandler([&devices](std::size_t radio, CheckedWriteStep step) {
        std::fprintf(stderr, "%s: %s\n", devices[radio].c_str(), StepText(step, kEnglish).c_str());
    });
    fleet.SetRadioFinishedHandler(
        [&](std::size_t radio) { TellEnd(devices[radio], *fleet.End(radio), choices.verify); });
    fleet.SetFinishedHandler(
        [&loop] { QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection); });
    FleetOptions options;
    options.allowOtherBand = choices.answerYes;
    options.backupFirst = choices.backupFirst;
    options.verify = choices.verify;
    fleet.Start(devices, setup, options);
    if (fleet.IsRunning()) loop.exec();

    std::vector<std::vector<std::string>> rows = {
        {"Port", "Radio band", "Result", "Verify", "Backup", "Seconds"}};
    for (std::size_t radio = 0; radio < fleet.Count(); ++radio) {
        rows.push_back(TableRow(devices[radio], *fleet.End(radio), choices.verify));
    }
    PrintToStandardOutput(TextColumns(rows));
    if (const int failed = fleet.Tally().notWritten; failed > 0) {
        throw CommandFailed(std::to_string(failed) + " of " + std::to_string(fleet.Count()) +
                            " radios were not written" + (choices.verify ? " and verified" : ""));
    }
}

}  // namespace qv::cli
