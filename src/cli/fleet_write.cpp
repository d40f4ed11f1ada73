#include "cli/fleet_write.h"

#include <QEventLoop>

#include <algorithm>
#include <array>
#include <cstdio>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/link_session.h"
#include "cli/standard_output.h"
#include "image/text.h"
#include "link/qt/fleet_write.h"
#include "rules/compare/setup_compare.h"
#include "rules/program/file_commands.h"
#include "rules/program/startup.h"

namespace qv::cli {
namespace {

constexpr Language kEnglish = Language::English;

using Row = FleetRow;

std::string Table(const std::vector<Row>& rows) {
    std::vector<Row> all = {{"Port", "Radio band", "Result", "Verify", "Seconds"}};
    all.insert(all.end(), rows.begin(), rows.end());
    std::array<std::size_t, 5> widths{};
    for (const Row& row : all) {
        const std::array<const std::string*, 5> cells = {&row.device, &row.band, &row.result,
                                                         &row.verify, &row.seconds};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            widths[c] = std::max(widths[c], CharCount(*cells[c]));
        }
    }
    std::string text;
    for (const Row& row : all) {
        const std::array<const std::string*, 5> cells = {&row.device, &row.band, &row.result,
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

    // Every radio on the one event loop, each with its own port, timers and engine.
    Application();
    QEventLoop loop;
    qv::FleetWrite fleet(BackupsFolder(), kEnglish);
    fleet.SetNoteHandler([&devices](std::size_t radio, const std::string& text) {
        Note(devices[radio] + ": " + text);
    });
    fleet.SetStepHandler([&devices](std::size_t radio, CheckedWriteStep step) {
        std::fprintf(stderr, "%s: %s\n", devices[radio].c_str(),
                     FleetStepText(step, kEnglish).c_str());
    });
    fleet.SetRadioFinishedHandler([&](std::size_t radio) {
        const Row row = fleet.Row(radio, kEnglish);
        std::fprintf(stderr, "%s: %s%s (%s s)\n", row.device.c_str(), row.result.c_str(),
                     row.verify == "-" ? "" : (", " + row.verify).c_str(), row.seconds.c_str());
    });
    fleet.SetFinishedHandler(
        [&loop] { QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection); });
    FleetOptions options;
    options.allowOtherBand = choices.answerYes;
    options.backupFirst = choices.backupFirst;
    options.verify = choices.verify;
    fleet.Start(devices, setup, options);
    if (fleet.IsRunning()) loop.exec();

    std::vector<Row> rows;
    int failed = 0;
    for (std::size_t radio = 0; radio < fleet.Count(); ++radio) {
        rows.push_back(fleet.Row(radio, kEnglish));
        if (!fleet.Succeeded(radio)) ++failed;
        for (const SetupDifference& difference : fleet.Result(radio)->differences) {
            std::fprintf(
                stderr, "%s: %s\n", devices[radio].c_str(),
                DescribeDifference(difference, DifferenceWording::Verify, kEnglish).c_str());
        }
    }
    PrintToStandardOutput(Table(rows));
    if (failed > 0) {
        throw CommandFailed(std::to_string(failed) + " of " + std::to_string(fleet.Count()) +
                            " radios were not written" + (choices.verify ? " and verified" : ""));
    }
}

}  // namespace qv::cli
