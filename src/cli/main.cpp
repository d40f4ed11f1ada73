// qv7100-cli: the tool's set-up files and radio link without windows.
// Exit status: 0 success, 1 the command failed (reason on standard error), 2 usage error.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>

#include "cli/commands.h"

int main(int argc, char** argv) {
    CLI::App app{"QV-7100 programming tool, command line"};
    app.name("qv7100-cli");
    app.require_subcommand(1);
    qv::cli::Action run;
    qv::cli::AddFileCommands(app, run);
    qv::cli::AddLinkCommands(app, run);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return 2;
    }
    try {
        if (run) run();
        return 0;
    } catch (const qv::cli::CommandFailed& e) {
        std::fprintf(stderr, "qv7100-cli: %s\n", e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qv7100-cli: unexpected error: %s\n", e.what());
    }
    return 1;
}
