// new, resave and show: the file commands as a freshly started tool runs them.
#include <filesystem>
#include <string>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/output_files.h"
#include "cli/setup_report.h"
#include "cli/standard_output.h"
#include "rules/program/file_commands.h"
#include "rules/program/startup.h"

namespace qv::cli {
namespace {

constexpr int kEnglish = 1;

void Check(const Status& status, const std::string& path) {
    if (!status.ok()) throw CommandFailed(path + ": " + status.Describe(Language::English));
}

void New(const std::string& out) {
    ConsoleHost host;
    const ProgramState state = StartupState(host, kEnglish);
    Check(SaveSetupFile(out, state), out);
}

void Resave(const std::string& in, const std::string& out) {
    RefuseOutputOverInput(out, {in});
    ConsoleHost host;
    ProgramState state = StartupState(host, kEnglish);
    Check(OpenSetupFile(in, state, host), in);
    Check(SaveSetupFile(out, state), out);
}

void Show(const std::string& in) {
    ConsoleHost host;
    ProgramState state = StartupState(host, kEnglish);
    Check(OpenSetupFile(in, state, host), in);
    PrintToStandardOutput("Set-up " + in + "\n" + SetupReport(state));
}

}  // namespace

void AddFileCommands(CLI::App& app, Action& run) {
    static std::string in, out;

    auto* create = app.add_subcommand("new", "Save the set-up of a freshly started tool");
    create->add_option("OUT", out, "The *.DAT file to write")->required();
    create->callback([&run] { run = [] { New(out); }; });

    auto* resave = app.add_subcommand("resave", "Open a *.DAT set-up and save it again");
    resave->add_option("IN", in, "The *.DAT file to open")->required();
    resave->add_option("OUT", out, "The *.DAT file to write; not IN itself")->required();
    resave->callback([&run] { run = [] { Resave(in, out); }; });

    auto* show = app.add_subcommand("show", "Print a *.DAT set-up as text, in English");
    show->add_option("IN", in, "The *.DAT file to show")->required();
    show->callback([&run] { run = [] { Show(in); }; });
}

}  // namespace qv::cli
