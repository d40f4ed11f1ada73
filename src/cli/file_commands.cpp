// new, resave, show and convert: the file commands as a freshly started tool runs them. Every
// set-up file is a *.DAT or a set-up as text (*.yaml, *.yml), by its name.
#include <filesystem>
#include <string>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/output_files.h"
#include "cli/setup_files.h"
#include "cli/setup_report.h"
#include "cli/standard_output.h"
#include "rules/program/startup.h"
#include "rules/setup_text/setup_files.h"
#include "rules/setup_text/setup_text.h"

namespace qv::cli {
namespace {

constexpr int kEnglish = 1;

void New(const std::string& out) {
    ConsoleHost host;
    const ProgramState state = StartupState(host, kEnglish);
    FailOnRefusedValues(SaveSetup(out, state));
}

void Resave(const std::string& in, const std::string& out) {
    RefuseOutputOverInput(out, {in});
    ConsoleHost host;
    ProgramState state = StartupState(host, kEnglish);
    OpenSetup(in, state, host);
    FailOnRefusedValues(SaveSetup(out, state));
}

void Show(const std::string& in, bool yaml) {
    ConsoleHost host;
    ProgramState state = StartupState(host, kEnglish);
    OpenSetup(in, state, host);
    // The text says beside each value the windows would refuse why.
    if (yaml) {
        PrintToStandardOutput(WriteSetupText(state).text);
    } else {
        PrintToStandardOutput("Set-up " + in + "\n" + SetupReport(state));
    }
}

// Both names must say which kind they are: a name without .DAT, .yaml or .yml is likely a slip.
std::string SetupFileName(const std::string& name) {
    if (HasSetupFileExtension(name)) return {};
    return name + " is neither a *.DAT file nor a set-up as text (*.yaml, *.yml)";
}

void Convert(const std::string& in, const std::string& out) {
    RefuseOutputOverInput(out, {in});
    ConsoleHost host;
    ProgramState state = StartupState(host, kEnglish);
    OpenSetup(in, state, host);
    const std::string refused = SaveSetup(out, state);
    PrintToStandardOutput("Converted " + in + " into " + out + "\n");
    FailOnRefusedValues(refused);
}

}  // namespace

void AddFileCommands(CLI::App& app, Action& run) {
    static std::string in, out;
    static bool yaml = false;
    const std::string kinds = " (*.DAT, or *.yaml or *.yml for a set-up as text)";

    auto* create = app.add_subcommand("new", "Save the set-up of a freshly started tool");
    create->add_option("OUT", out, "The set-up file to write" + kinds)->required();
    create->callback([&run] { run = [] { New(out); }; });

    auto* resave = app.add_subcommand("resave", "Open a set-up and save it again");
    resave->add_option("IN", in, "The set-up file to open" + kinds)->required();
    resave->add_option("OUT", out, "The set-up file to write; not IN itself" + kinds)->required();
    resave->callback([&run] { run = [] { Resave(in, out); }; });

    auto* show = app.add_subcommand("show", "Print a set-up as text, in English");
    show->add_option("IN", in, "The set-up file to show" + kinds)->required();
    show->add_flag("--yaml", yaml,
                   "Print the set-up as text (YAML), as convert writes it, instead of the report");
    show->callback([&run] { run = [] { Show(in, yaml); }; });

    auto* convert = app.add_subcommand(
        "convert", "Convert a set-up between a *.DAT file and a set-up as text (*.yaml, *.yml)");
    convert->add_option("IN", in, "The set-up file to read" + kinds)
        ->required()
        ->check(SetupFileName);
    convert->add_option("OUT", out, "The set-up file to write, its kind by its name; not IN")
        ->required()
        ->check(SetupFileName);
    convert->footer(
        "The kind of each file is its extension, in any case: .DAT, or .yaml and .yml for a set-up "
        "as text. A text is read with the rules of typing into the windows; a text with any error "
        "is refused whole, each error named with its line and column, and OUT is not written. A "
        "*.DAT that holds values the windows refuse (a frequency outside its band) is written as "
        "text with a comment on each such line, which are listed on standard error; the exit "
        "status is then 1, for reading that text back refuses those lines.\n"
        "  qv7100-cli convert shop.DAT shop.yaml\n"
        "  qv7100-cli convert shop.yaml shop.DAT");
    convert->callback([&run] { run = [] { Convert(in, out); }; });
}

}  // namespace qv::cli
