// qv7100-cli: the tool's set-up files and radio link without windows.
// Exit status: 0 success, 1 the command failed (reason on standard error; what could not be
// written to standard output counts as a failure), 2 usage error; a command may tell kinds of
// failure apart with statuses of its own (diff).
#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <sstream>
#include <string>

#include "cli/commands.h"
#include "cli/standard_output.h"

namespace {

// The first word that is not an option: the command, as the parser takes it.
std::string CommandWord(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-') return argv[i];
    }
    return "";
}

bool IsCommand(const CLI::App& app, const std::string& word) {
    const auto commands = app.get_subcommands([](const CLI::App*) { return true; });
    return std::any_of(commands.begin(), commands.end(),
                       [&](const CLI::App* command) { return command->get_name() == word; });
}

// Every line of a reason gets the program's name in front.
void Report(const std::string& reason) {
    std::istringstream lines(reason);
    for (std::string line; std::getline(lines, line);) {
        std::fprintf(stderr, "qv7100-cli: %s\n", line.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"QV-7100 programming tool, command line"};
    app.name("qv7100-cli");
    app.set_version_flag("--version", "qv7100-cli " QV7100_VERSION);
    app.require_subcommand(1);
    qv::cli::Action run;
    qv::cli::AddFileCommands(app, run);
    qv::cli::AddPlanCommands(app, run);
    qv::cli::AddLinkCommands(app, run);
    qv::cli::AddDetectCommand(app, run);
    qv::cli::AddBackupCommands(app, run);
    qv::cli::AddDiffCommand(app, run);
    qv::cli::AddPortsCommand(app, run);
    qv::cli::AddStationCommand(app, run);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {  // --help, --help-all, --version
        const int status = app.exit(e);
        try {
            qv::cli::CheckStandardOutput();
        } catch (const qv::cli::CommandFailed& failed) {
            Report(failed.what());
            return 1;
        }
        return status;
    } catch (const CLI::ParseError& e) {
        // The parser would only say that a command is required.
        if (const std::string word = CommandWord(argc, argv);
            app.get_subcommands().empty() && !word.empty() && !IsCommand(app, word)) {
            Report("unknown command '" + word + "'; run with --help for the commands");
            return 2;
        }
        app.exit(e);
        return 2;
    }
    try {
        if (run) run();
        qv::cli::CheckStandardOutput();
        return 0;
    } catch (const qv::cli::CommandFailed& e) {
        Report(e.what());
        return e.status;
    } catch (const std::exception& e) {
        Report(std::string("unexpected error: ") + e.what());
    }
    return 1;
}
