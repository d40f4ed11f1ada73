// The subcommands of qv7100-cli. Each registers itself on the application and leaves the work to
// do in `run`; a command that fails throws CommandFailed with a one-line reason.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <stdexcept>
#include <string>

namespace qv::cli {

struct CommandFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

using Action = std::function<void()>;

void AddFileCommands(CLI::App& app, Action& run);
void AddLinkCommands(CLI::App& app, Action& run);
void AddPlanCommands(CLI::App& app, Action& run);
void AddBackupCommands(CLI::App& app, Action& run);
void AddDiffCommand(CLI::App& app, Action& run);

}  // namespace qv::cli
