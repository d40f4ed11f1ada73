// station: a programming station on the command line. Each --port waits for radios; every radio
// plugged in is backed up, written with its own embedded lines, read back and logged, with a line
// on standard output for each event, until --count radios were handled, the roster is used up or
// the user stops it: the first Ctrl+C (or SIGTERM) takes no new radios and lets the radios being
// written finish, the second ends them at once as the watchdog would.
#include <QEventLoop>

#include <csignal>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/link_session.h"
#include "cli/setup_files.h"
#include "cli/standard_output.h"
#include "cli/stop_signals.h"
#include "cli/terminal_text.h"
#include "i18n/fleet_texts.h"
#include "i18n/station_texts.h"
#include "link/core/port_mapping.h"
#include "link/core/port_problem.h"
#include "link/core/probe_report.h"
#include "link/qt/programming_station.h"
#include "link/qt/radio_report.h"
#include "rules/program/startup.h"
#include "rules/station/radio_values.h"
#include "rules/station/roster.h"
#include "state/bands.h"

namespace qv::cli {
namespace {

constexpr Language kEnglish = Language::English;

struct StationChoices {
    std::string in;
    std::vector<std::string> ports;
    std::optional<int> count;
    std::array<std::string, 2> lines;
    std::optional<long long> first;
    std::string roster;
    std::string log;
    bool answerYes = false;
    bool noVerify = false;
    bool noBackup = false;
};

// A port as the user named it ("COM1" for a port of the menu) and the device it stands for.
struct NamedPort {
    std::string label;
    PortName port;
};

std::string Seconds(double seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return text;
}

// Every --port looked up once, now; two names for one device would have two lanes fight over it.
std::vector<NamedPort> ResolvePorts(const std::vector<std::string>& words) {
    std::vector<NamedPort> ports;
    std::set<std::string> devices;
    for (const std::string& word : ExpandPortRanges(words)) {
        const std::optional<int> number = ComPortNumber(word);
        const PortName port = ResolvePortText(word, SystemInUse());
        const std::string label = number ? "COM" + std::to_string(*number) : word;
        if (!port.device.empty() && !devices.insert(port.device).second) {
            throw CommandFailed(EscapeControls(label) + " stands for " +
                                EscapeControls(port.device) +
                                ", named before: give each port once");
        }
        ports.push_back({label, port});
    }
    return ports;
}

std::string Refusals(const std::vector<ValuesProblem>& problems) {
    std::string text;
    for (const ValuesProblem& problem : problems) {
        text += DescribeValuesProblem(problem, kEnglish) + "\n";
    }
    return text + "nothing was programmed";
}

// The per-radio lines, checked whole before a port is opened.
RadioValues CheckValues(const StationChoices& choices) {
    RadioValuesChoice values;
    values.patterns = choices.lines;
    values.first = choices.first.value_or(1);
    if (!choices.roster.empty()) {
        RosterRead read = ReadRosterFile(choices.roster);
        if (!read.roster) throw CommandFailed(Refusals(read.problems));
        values.roster = std::move(read.roster);
    }
    std::vector<ValuesProblem> problems;
    std::optional<RadioValues> made = RadioValues::Make(values, choices.count, problems);
    if (!made) throw CommandFailed(Refusals(problems));
    return std::move(*made);
}

// The lines a radio gets, as its arrival tells them: only those that differ from radio to radio.
std::string LinesText(const RadioLines& lines) {
    std::string text;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        if (!lines[line]) continue;
        text += ", line " + std::to_string(line + 1) + " " + Quoted(*lines[line]);
    }
    return text;
}

// Prints the station's events, a line each, on standard output as they happen.
class EventLines {
  public:
    EventLines(const ProgrammingStation& station, std::vector<NamedPort> ports, bool verify)
        : station_(station), ports_(std::move(ports)), verify_(verify) {}

    // False once standard output could not be written.
    bool Fine() const { return !failed_; }
    const std::string& Failure() const { return failure_; }

    void Say(const std::string& line) {
        if (failed_) return;
        try {
            PrintToStandardOutput(line + "\n");
        } catch (const CommandFailed& e) {
            failed_ = true;
            failure_ = e.what();
        }
    }

    void Event(std::size_t at, StationEvent event) {
        const StationPort& port = station_.Port(at);
        const std::string prefix = EscapeControls(ports_[at].label) + ": ";
        switch (event) {
            case StationEvent::PortWaiting:
                return Say(prefix + StationText(StationTextId::PortWaiting, kEnglish));
            case StationEvent::PortAnswer:
                return Say(prefix + AnswerText(port));
            case StationEvent::RadioArrived: {
                const StationRadio& radio = *port.radio;
                const std::string band = radio.band ? std::string(BandAt(*radio.band).listText)
                                                    : std::string("band unknown");
                return Say(prefix + RadioText(radio, StationTextId::RadioArrived,
                                              band + LinesText(radio.lines)));
            }
            case StationEvent::RadioWaitsForValues:
                return Say(prefix + StationText(StationTextId::RadioWaitsForValues, kEnglish));
            case StationEvent::StepStarted:
                return Say(prefix + RadioText(*port.radio, StationTextId::RadioStep,
                                              StepText(port.radio->step, kEnglish)));
            case StationEvent::RadioEnded: {
                const StationRadio& radio = *port.radio;
                const StationLogRow& row = *radio.row;
                const std::string seconds = Seconds(row.seconds);
                if (row.result == StationResult::Written) {
                    Say(prefix + RadioText(radio,
                                           verify_ ? StationTextId::RadioWrittenVerified
                                                   : StationTextId::RadioWritten,
                                           seconds));
                } else {
                    Say(prefix + RadioText(radio,
                                           row.result == StationResult::Skipped
                                               ? StationTextId::RadioSkipped
                                               : StationTextId::RadioFailed,
                                           EscapeControls(row.detail), seconds));
                }
                if (!row.backup.empty()) {
                    Say(prefix + RadioText(radio, StationTextId::RadioBackup, row.backup));
                }
                return Say(prefix + RadioText(radio, StationTextId::RadioStep,
                                              StationText(StationTextId::RemoveRadio, kEnglish)));
            }
            case StationEvent::RadioGone:
                return Say(prefix + RadioText(*port.radio, StationTextId::RadioGone));
            case StationEvent::Progress:
            case StationEvent::PortStopped:
                return;
        }
    }

    void Stopping() {
        std::string notice;
        switch (station_.Stopping()) {
            case StationStop::None:
                return;
            case StationStop::Asked:
                notice = StationText(StationTextId::Stopping, kEnglish) +
                         " (Ctrl+C again ends them at once)";
                break;
            case StationStop::AskedNow:
                notice =
                    "stopping: no more radios are taken, and the radios being written are "
                    "ended at once";
                break;
            case StationStop::CountReached:
                notice = StationText(StationTextId::CountReached, kEnglish,
                                     {std::to_string(station_.Options().count.value_or(0))});
                break;
            case StationStop::ValuesUsedUp:
                if (const auto why = station_.ValuesUsedUpBecause()) {
                    notice = StationText(StationTextId::CounterUsedUp, kEnglish,
                                         {DescribeValuesProblem(*why, kEnglish)});
                } else {
                    notice = StationText(StationTextId::RosterUsedUp, kEnglish,
                                         {std::to_string(station_.ValuesWritten())});
                }
                break;
            case StationStop::LogFailed:
                notice = StationText(StationTextId::LogFailedStopping, kEnglish,
                                     {station_.LogFault()->Describe(kEnglish)});
                break;
        }
        Say("station: " + notice);
    }

  private:
    // A text about `radio`: its number, then `first` and `second`.
    static std::string RadioText(const StationRadio& radio, StationTextId id,
                                 std::string_view first = {}, std::string_view second = {}) {
        return StationText(id, kEnglish, {std::to_string(radio.number), first, second});
    }

    std::string AnswerText(const StationPort& port) const {
        switch (port.answer.answer) {
            case ProbeAnswer::PortNotOpen:
                return StationText(StationTextId::PortNotOpen, kEnglish,
                                   {PortOpenMessage(port.answer.portError, port.port, kEnglish)});
            case ProbeAnswer::PortLost:
                return StationText(StationTextId::PortLost, kEnglish);
            case ProbeAnswer::OtherModel:
                return StationText(StationTextId::OtherModel, kEnglish,
                                   {EscapeControls(PrintableBytes(port.answer.received))});
            case ProbeAnswer::Nothing:
            case ProbeAnswer::ThisModel:
                break;
        }
        return StationText(StationTextId::NoRadioAgain, kEnglish);
    }

    const ProgrammingStation& station_;
    std::vector<NamedPort> ports_;
    bool verify_;
    bool failed_ = false;
    std::string failure_;
};

void Station(const StationChoices& choices) {
    ConsoleHost fileHost;
    fileHost.SetQuiet(true);
    ProgramState setup = StartupState(fileHost, 1);
    OpenSetup(choices.in, setup, fileHost);
    RadioValues values = CheckValues(choices);
    const std::filesystem::path backups = UserBackupFolder();
    std::filesystem::path log = choices.log;
    if (log.empty()) {
        if (backups.empty()) {
            throw CommandFailed(
                "no data folder for the programming log (neither XDG_DATA_HOME nor HOME is set): "
                "name one with --log");
        }
        log = StationLogBeside(backups);
    }
    const std::vector<NamedPort> ports = ResolvePorts(choices.ports);
    std::vector<PortName> resolved;
    for (const NamedPort& port : ports) resolved.push_back(port.port);

    StationOptions options;
    options.verify = !choices.noVerify;
    options.backupFirst = !choices.noBackup;
    options.allowOtherBand = choices.answerYes;
    options.count = choices.count;
    options.log = log;
    options.setupName = std::filesystem::path(choices.in).filename().string();

    // A standard output closed under the station ends its printing, not the radios being written.
    std::signal(SIGPIPE, SIG_IGN);
    Application();
    QEventLoop loop;
    ProgrammingStation station(backups);
    EventLines lines(station, ports, options.verify);
    station.SetEventHandler([&](std::size_t port, StationEvent event) {
        lines.Event(port, event);
        if (!lines.Fine()) station.Stop();
    });
    station.SetStoppingHandler([&] { lines.Stopping(); });
    station.SetFinishedHandler(
        [&loop] { QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection); });
    const StopSignals stopRequests([&](int count) {
        if (count == 1) {
            station.Stop();
        } else {
            station.StopNow();
        }
    });
    std::string where;
    for (const NamedPort& port : ports) {
        where += (where.empty() ? "" : ", ") + EscapeControls(PortLabel(port.port));
    }
    lines.Say("station: " + options.setupName + " (" + BandName(setup.Combo1) + ") on " + where +
              "; " + StationText(StationTextId::LogFile, kEnglish, {log.string()}) +
              "; Ctrl+C stops");
    if (!station.Start(resolved, setup, std::move(values), options)) {
        throw CommandFailed(station.LogFault()->Describe(kEnglish) + "\nnothing was programmed");
    }
    if (station.IsRunning()) loop.exec();

    const StationTally tally = station.Tally();
    lines.Say("station: " +
              StationText(StationTextId::Summary, kEnglish,
                          {std::to_string(tally.handled), std::to_string(tally.written),
                           std::to_string(tally.verified), std::to_string(tally.failed),
                           std::to_string(tally.skipped)}));
    if (station.Stopping() == StationStop::LogFailed) {
        // The lines the log could not take are not lost: they end the command's report.
        std::string reason = station.LogFault()->Describe(kEnglish);
        for (const StationLogRow& row : station.Unrecorded()) {
            std::string record = StationLogRecord(row);
            record.erase(record.find_last_not_of("\r\n") + 1);
            reason += "\nnot in the log: " + EscapeControls(record);
        }
        throw CommandFailed(reason);
    }
    if (!lines.Fine()) throw CommandFailed(lines.Failure());
    const int notWritten = tally.failed + tally.skipped;
    if (notWritten > 0) {
        throw CommandFailed(std::to_string(notWritten) + " of " + std::to_string(tally.handled) +
                            " radios were not written" + (options.verify ? " and verified" : ""));
    }
}

}  // namespace

void AddStationCommand(CLI::App& app, Action& run) {
    static StationChoices choices;
    static int count = 0;
    static long long first = 1;
    auto* station = app.add_subcommand(
        "station",
        "A programming station: wait for radios on each port and write each one as it is plugged "
        "in (backup, write, read-back), with its own embedded lines, logging every radio; runs "
        "until --count radios were handled, the roster is used up, or Ctrl+C. Exit 0 when every "
        "radio handled was written and verified, 1 otherwise");
    station
        ->add_option("IN", choices.in,
                     "The set-up to write into every radio (*.DAT, or *.yaml or *.yml for a set-up "
                     "as text)")
        ->required();
    station
        ->add_option("--port", choices.ports,
                     "Serial device path, or COM1..COM8 (QV7100_COMn names the device); give it "
                     "once per cable, or a range of ports: COM1..COM4")
        ->required()
        ->allow_extra_args(false)
        ->check([](const std::string& text) { return PortNameProblem(text); });
    auto* counted = station->add_option(
        "--count", count, "Stop after N radios were handled (written, failed or skipped)");
    counted->check(CLI::PositiveNumber);
    station->add_option("--line1", choices.lines[0],
                        "Embedded line 1 of each radio: a pattern where {n} is the radio's "
                        "number and {n:03} the number with zeros in front to three digits "
                        "({{ and }} for braces)");
    station->add_option("--line2", choices.lines[1], "Embedded line 2 of each radio, as --line1");
    auto* firstOption = station->add_option("--first", first,
                                            "The number {n} stands for in the first radio "
                                            "(default 1)");
    firstOption->check(CLI::NonNegativeNumber);
    station
        ->add_option("--roster", choices.roster,
                     "A CSV file with a header row and the columns line1 and/or line2: a row "
                     "per radio, in the order they are programmed")
        ->check(CLI::ExistingFile);
    station->add_option("--log", choices.log,
                        "The programming log, a CSV file a line per radio is added to (default: "
                        "station-log.csv in the data folder, beside the backups)");
    station->add_flag("--yes", choices.answerYes,
                      "Write radios of another band than the set-up's too (they are skipped "
                      "otherwise)");
    station->add_flag("--no-verify", choices.noVerify,
                      "Do not read each radio back after the write");
    station->add_flag("--no-backup", choices.noBackup,
                      "Do not read each radio into a backup before the write");
    station->callback([&run, counted, firstOption] {
        choices.count = counted->count() > 0 ? std::optional<int>(count) : std::nullopt;
        choices.first = firstOption->count() > 0 ? std::optional<long long>(first) : std::nullopt;
        const bool numbered = choices.lines[0].find('{') != std::string::npos ||
                              choices.lines[1].find('{') != std::string::npos;
        if (choices.first && !numbered) {
            throw CLI::ValidationError("--first",
                                       "--first is the first number of {n} in --line1 "
                                       "or --line2: give a pattern with {n}");
        }
        run = [] { Station(choices); };
    });
}

}  // namespace qv::cli
