// The subcommands of qv7100-cli. Each registers itself on the application and leaves the work to
// do in `run`; a command that fails throws CommandFailed with a one-line reason and the exit
// status that tells it (1 unless the command tells kinds of failure apart).
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <stdexcept>
#include <string>

namespace qv::cli {

struct CommandFailed : std::runtime_error {
    explicit CommandFailed(const std::string& reason, int exitStatus = 1)
        : std::runtime_error(reason), status(exitStatus) {}
    int status;
};

using Action = std::function<void()>;

void AddFileCommands(CLI::App& app, Action& run);
void AddLinkCommands(CLI::App& app, Action& run);
void AddPlanCommands(CLI::App& app, Action& run);
void AddBackupCommands(CLI::App& app, Action& run);
void AddDiffCommand(CLI::App& app, Action& run);
void AddDetectCommand(CLI::App& app, Action& run);
void AddPortsCommand(CLI::App& app, Action& run);
void AddStationCommand(CLI::App& app, Action& run);

}  // namespace qv::cli
