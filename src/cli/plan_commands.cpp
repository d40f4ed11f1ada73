// import-csv and export-csv: channel plans, the CSV files the radio programming tools exchange.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/output_files.h"
#include "cli/setup_files.h"
#include "cli/standard_output.h"
#include "cli/terminal_text.h"
#include "rules/channels/grid_rules.h"
#include "rules/plans/channel_plan_export.h"
#include "rules/plans/channel_plan_import.h"
#include "rules/plans/import_summary.h"
#include "rules/plans/plan_file.h"
#include "rules/program/startup.h"

namespace qv::cli {
namespace {

constexpr int kEnglish = 1;
constexpr Language kMessages = Language::English;

void Check(const Status& status, const std::string& path) {
    if (!status.ok()) throw CommandFailed(path + ": " + status.Describe(kMessages));
}

ProgramState OpenedSetup(const std::string& path) {
    ConsoleHost host;
    ProgramState state = StartupState(host, kEnglish);
    OpenSetup(path, state, host);
    return state;
}

std::string Plural(std::size_t count, const std::string& word) {
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

// "plan.csv:5: Location "7": Mode "AM" is ...", as compilers name a place in a file.
std::string SkippedRowLine(const std::string& plan, const SkippedPlanRow& row) {
    std::string line = plan + ":" + std::to_string(row.line) + ": ";
    if (!row.location.empty()) line += "Location " + Quoted(row.location) + ": ";
    return line + EscapeControls(Describe(row.reason, kMessages));
}

void ImportCsv(const std::string& in, const std::string& plan, const std::string& out,
               PlanPlacement placement) {
    RefuseOutputOverInput(out, {in, plan});
    ProgramState state = OpenedSetup(in);
    std::string csv;
    Check(ReadPlanFile(plan, csv), plan);
    const ChannelPlanImport imported =
        ImportChannelPlan(state, csv, placement, CaptionLanguage(state.LanguageIsEnglish));
    if (imported.refused) {
        throw CommandFailed(plan + ": " + EscapeControls(Describe(*imported.refused, kMessages)) +
                            "; nothing was imported and " + out + " was not written");
    }
    static_cast<Setup&>(state) = imported.setup;
    const std::string refused = SaveSetup(out, state);

    std::string summary = "Imported " + Plural(imported.filled.size(), "row") + " of " + plan;
    if (!imported.filled.empty()) {
        summary += " into channel" + std::string(imported.filled.size() == 1 ? " " : "s ") +
                   ChannelRanges(imported.filled);
    }
    if (!imported.replaced.empty()) {
        summary += " (replaced: " + ChannelRanges(imported.replaced) + ")";
    }
    PrintToStandardOutput(summary + "; wrote " + out + "\n");
    FailOnRefusedValues(refused);
    if (imported.skipped.empty()) return;
    std::string reason;
    for (const SkippedPlanRow& row : imported.skipped) reason += SkippedRowLine(plan, row) + "\n";
    throw CommandFailed(reason + Plural(imported.skipped.size(), "row") + " of " + plan +
                        " not imported");
}

void ExportCsv(const std::string& in, const std::string& plan) {
    RefuseOutputOverInput(plan, {in});
    const ProgramState state = OpenedSetup(in);
    const ChannelPlanExport exported = ExportChannelPlan(state);
    Check(WritePlanFile(plan, exported.csv), plan);
    PrintToStandardOutput("Exported " + Plural(exported.channels.size(), "channel") + " of " + in +
                          " to " + plan + "\n");
    std::string leftOut;
    for (const ChannelPlanExportNote& note : exported.notes) {
        const std::string line = "channel " + std::to_string(note.channel) + " (" +
                                 ChannelLabel(note.channel) +
                                 "): " + EscapeControls(Describe(note, kMessages));
        const bool written = std::find(exported.channels.begin(), exported.channels.end(),
                                       note.channel) != exported.channels.end();
        // A channel the file lacks is a failure; what an import of it would change is a note.
        if (written) {
            std::fprintf(stderr, "qv7100-cli: note: %s\n", line.c_str());
        } else {
            leftOut += line + "\n";
        }
    }
    if (!leftOut.empty()) throw CommandFailed(leftOut + "channels left out of " + plan);
}

}  // namespace

void AddPlanCommands(CLI::App& app, Action& run) {
    static std::string in, plan, out;
    static std::optional<int> fromChannel;
    static bool atLocation = false;

    auto* importCsv = app.add_subcommand(
        "import-csv",
        "Import a channel plan (CSV, as the radio programming tools exchange them) into a set-up");
    importCsv->add_option("IN", in, "The set-up to import into (*.DAT, *.yaml or *.yml)")
        ->required();
    importCsv->add_option("PLAN", plan, "The CSV file to import")->required();
    importCsv->add_option("OUT", out, "The set-up file to write (*.DAT, *.yaml or *.yml)")
        ->required();
    auto* from =
        importCsv
            ->add_option("--from-channel", fromChannel,
                         "Fill channels from N (1..48) on; the default is the first empty channel")
            ->check(CLI::Range(1, kChannelCount))
            ->type_name("N");
    importCsv
        ->add_flag("--at-location", atLocation,
                   "Put each row into the channel its Location names (1..48), as export-csv wrote "
                   "it")
        ->excludes(from);
    importCsv->footer(
        "Rows fill channels one after the other, or with --at-location each the channel of its "
        "Location, replacing what is there; a row that cannot be imported as it stands takes no "
        "channel and is listed with its line, its Location and the reason on standard error. OUT "
        "is written with what could be imported; the exit status is 1 when a row was not "
        "imported. OUT may not be IN or PLAN.");
    importCsv->callback([&run] {
        const PlanPlacement placement = atLocation    ? PlanPlacement::AtLocation()
                                        : fromChannel ? PlanPlacement::FromChannel(*fromChannel)
                                                      : PlanPlacement::FirstEmpty();
        run = [placement] { ImportCsv(in, plan, out, placement); };
    });

    auto* exportCsv = app.add_subcommand(
        "export-csv", "Export the channels of a set-up as a channel plan (CSV) for other tools");
    exportCsv->add_option("IN", in, "The set-up to export (*.DAT, *.yaml or *.yml)")->required();
    exportCsv->add_option("PLAN", plan, "The CSV file to write")->required();
    exportCsv->footer(
        "Notes on standard error name the channels an import of the file would not give back the "
        "same (busy lockout, which the format lacks; a frequency off the channel raster). "
        "import-csv, each row put at its Location, reads the file back into the same channels. The "
        "exit status is "
        "1 when a channel had to be left out. PLAN may not be IN.");
    exportCsv->callback([&run] { run = [] { ExportCsv(in, plan); }; });
}

}  // namespace qv::cli
