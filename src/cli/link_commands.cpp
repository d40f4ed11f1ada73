// read, write and simulate: the radio link from the command line.
#include <QCoreApplication>
#include <QEventLoop>

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/console_view.h"
#include "cli/fleet_write.h"
#include "cli/link_session.h"
#include "cli/setup_files.h"
#include "cli/shelf_simulation.h"
#include "cli/standard_output.h"
#include "i18n/backup_texts.h"
#include "i18n/compare_texts.h"
#include "image/image_codec.h"
#include "link/core/port_mapping.h"
#include "link/core/port_problem.h"
#include "link/qt/checked_write.h"
#include "link/qt/serial_port.h"
#include "link/qt/transfer_driver.h"
#include "rules/backups/backups.h"
#include "rules/compare/setup_compare.h"
#include "rules/program/dat_file.h"
#include "rules/program/safe_save.h"
#include "rules/program/startup.h"
#include "sim/pty_server.h"
#include "sim/radio_fault.h"
#include "state/bands.h"

namespace qv::cli {
namespace {

constexpr int kEnglish = 1;
// Differences listed on standard error before the rest are only counted.
constexpr std::size_t kDifferencesListed = 20;

std::string WriteDeclined(const ConsoleHost& host, int radioBand, int setupBand) {
    const std::string bands = "the radio is a " + BandName(radioBand) +
                              " radio and the set-up is for " + BandName(setupBand);
    if (host.Asked()) return "write declined: " + bands;
    return "write declined without asking (standard input is not a terminal): " + bands +
           " (--yes writes it anyway)";
}

void Read(const std::string& device, const std::string& out) {
    // A read takes the radio's time; a file that cannot be saved is known before the port opens.
    if (const Status target = CheckSaveTarget(out); !target.ok()) {
        throw CommandFailed(out + ": " + target.Describe(Language::English));
    }
    ConsoleHost host;
    host.SetQuiet(true);
    ProgramState state = StartupState(host, kEnglish);
    SerialPort port;
    UsePort(device, port);
    const RadioRead read = ReadRadio(state, host, port, ReadUse::Decode, "Reading");
    switch (read.outcome) {
        case TransferOutcome::ReadComplete:
            break;
        case TransferOutcome::PortNotOpen:
            throw CommandFailed(PortFailure(port));
        default:
            throw CommandFailed(TransferFailed("read", read.failure, false, port));
    }
    // Messages of the decoder (the priority rules) are worth knowing; the read itself succeeded.
    for (const std::string& message : host.Messages()) Note(message);
    NoteUnsaved(BackupKeeper(UserBackupFolder())
                    .Keep(read.image, read.band, BackupKind::Read, PortShortName(port.Name())));
    const std::string refused = SaveSetup(out, state);
    PrintToStandardOutput("Read a " + BandName(read.band) + " radio on " + port.DeviceName() +
                          " into " + out + "\n");
    FailOnRefusedValues(refused);
}

const char* StepVerb(CheckedWriteStep step) {
    switch (step) {
        case CheckedWriteStep::BackupRead:
            return "Backing up";
        case CheckedWriteStep::Write:
            return "Writing";
        case CheckedWriteStep::VerifyRead:
            return "Verifying";
    }
    return "";
}

// Writes `in` (its set-up, or with `asIs` its bytes as they are) into the radio on `device`.
void Write(const std::string& device, const std::string& in, const WriteChoices& choices,
           bool asIs) {
    // Nobody can answer a question on standard input that is not a terminal (a script, a pipe).
    ConsoleHost host(choices.answerYes        ? Questions::AnswerYes
                     : ::isatty(STDIN_FILENO) ? Questions::AskOnTerminal
                                              : Questions::AnswerNo);
    host.SetQuiet(true);
    ProgramState state = StartupState(host, kEnglish);
    OpenSetup(in, state, host);
    CheckedWriteOptions options;
    options.backupFirst = choices.backupFirst;
    options.verify = choices.verify;
    if (asIs) {
        ImageBytes image{};
        if (const Status read = ReadDatFile(in, image); !read.ok()) {
            throw CommandFailed(in + ": " + read.Describe(Language::English));
        }
        options.image = image;
    }
    if (choices.unlockCalibration) state.CalibrationUnlocked = true;
    SerialPort port;
    UsePort(device, port);

    Application();
    const BackupKeeper keeper(UserBackupFolder());
    QEventLoop loop;
    ConsoleView view("Writing", nullptr);
    host.SetBeforeAsking([&view] { view.BreakLine(); });
    CheckedWrite run(state, host, port, view, &keeper);
    run.SetStepHandler([&view](CheckedWriteStep step) {
        view.BreakLine();
        view.SetVerb(StepVerb(step));
    });
    run.SetFinishedHandler([&loop](const CheckedWriteResult&) {
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    run.Start(options);
    if (run.IsRunning()) loop.exec();
    host.SetBeforeAsking(nullptr);
    const CheckedWriteResult& result = run.Result();

    if (result.beforeBackup && result.beforeBackup->Saved()) {
        Note("the radio's memory before the write is kept in " +
             result.beforeBackup->path.string());
    }
    if (result.outcome == TransferOutcome::PortNotOpen) throw CommandFailed(PortFailure(port));
    if (result.heldForBackup) {
        // Backup first means backup first: the radio was read, but is not written without it.
        throw CommandFailed(BackupText(BackupTextId::NotSaved, Language::English,
                                       {result.beforeBackup->path.string(),
                                        result.beforeBackup->status.Describe(Language::English)}) +
                            "\nnothing was written: --backup-first writes no radio whose memory "
                            "could not be kept");
    }
    if (!result.WriteCompleted()) {
        if (result.step == CheckedWriteStep::BackupRead) {
            throw CommandFailed(
                TransferFailed("reading the radio before the write", result.failure, false, port) +
                "\nnothing was written");
        }
        if (result.outcome == TransferOutcome::WriteDeclined) {
            throw CommandFailed(WriteDeclined(host, result.radioBand, state.Combo1));
        }
        throw CommandFailed(TransferFailed("write", result.failure, true, port));
    }
    if (result.afterBackup) NoteUnsaved(*result.afterBackup);
    PrintToStandardOutput("Wrote " + in + " into the radio on " + port.DeviceName() +
                          (choices.unlockCalibration ? " (with the power calibration)" : "") +
                          "\n");
    if (!choices.verify) return;
    if (!result.Completed()) {
        throw CommandFailed(TransferFailed("reading the radio back", result.failure, false, port) +
                            "\nthe write completed, but what the radio holds is not known");
    }
    if (!result.differences.empty()) {
        throw CommandFailed(CompareText(CompareTextId::VerifyFailed, Language::English,
                                        {std::to_string(result.differences.size())}) +
                            "\n" +
                            DescribeDifferences(result.differences, DifferenceWording::Verify,
                                                Language::English, kDifferencesListed));
    }
    PrintToStandardOutput(CompareText(CompareTextId::VerifyPassed, Language::English) + "\n");
}

void Simulate(int band, const std::string& imageFile, const std::string& faultName, bool paced,
              const ShelfChoices& shelf) {
    ImageBytes image;
    if (imageFile.empty()) {
        ConsoleHost host;
        image = EncodeImage(StartupState(host));
    } else {
        image = ReadSetupImage(imageFile);
    }
    const RadioFault fault = ParseRadioFault(faultName).value_or(RadioFault{});

    // The server's thread must not take the signals that end the simulation.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    const auto made = shelf.radios > 0
                          ? std::make_unique<PtyServer>(MakeShelf(image, band, shelf, paced), paced)
                          : std::make_unique<PtyServer>(VirtualRadio(image, band, fault), paced);
    PtyServer& server = *made;
    std::string error;
    if (!server.Start(&error)) throw CommandFailed("cannot start the virtual radio: " + error);
    // Nobody could reach a radio whose device was never told: then it ends at once.
    PrintToStandardOutput(server.DevicePath() + "\n");
    if (shelf.radios > 0) {
        std::fputs(DescribeShelf(shelf, paced, server.DevicePath()).c_str(), stderr);
    } else {
        std::fprintf(stderr,
                     "Virtual %s radio%s%s on %s; point the tool at it (e.g. QV7100_COM1=%s). "
                     "Ctrl+C ends it.\n",
                     BandName(band).c_str(),
                     fault.kind == RadioFaultKind::None ? "" : " with fault ",
                     fault.kind == RadioFaultKind::None ? "" : RadioFaultName(fault).c_str(),
                     server.DevicePath().c_str(), server.DevicePath().c_str());
    }
    int received = 0;
    sigwait(&stopSignals, &received);
    server.Stop();
    if (shelf.radios > 0) {
        std::fputs(ShelfReport(server.ShelfSnapshot()).c_str(), stderr);
        return;
    }
    const RadioRecord record = server.Snapshot();
    std::fprintf(stderr, "Sessions %d, blocks read %zu, blocks written %zu, ends received %d\n",
                 record.sessions, record.blocksRead.size(), record.blocksWritten.size(),
                 record.endsReceived);
}

}  // namespace

void AddLinkCommands(CLI::App& app, Action& run) {
    static std::string device, in, out, imageFile, fault = "none";
    static std::vector<std::string> devices;
    static WriteChoices choices;
    static bool paced = false;
    static int band = 0;
    static ShelfChoices shelf;
    const std::string portHelp = "Serial device path, or COM1..COM8 (QV7100_COMn names the device)";
    const auto portNamed = [](const std::string& text) { return PortNameProblem(text); };
    const auto writeFlags = [](CLI::App* command) {
        command->add_flag("--yes", choices.answerYes,
                          "Answer Yes when the radio's band differs from the set-up's");
        command->add_flag("--unlock-calibration", choices.unlockCalibration,
                          "Open calibration access: the power calibration block is written too "
                          "(one radio only)");
        command->add_flag("--verify", choices.verify,
                          "Read the radio back and compare it with what was written; exit 1 "
                          "with the differences when they differ");
        command->add_flag("--backup-first", choices.backupFirst,
                          "Read the radio into a backup before writing it; a radio whose backup "
                          "cannot be saved is not written");
    };

    const std::string kinds = " (*.DAT, or *.yaml or *.yml for a set-up as text)";
    auto* read = app.add_subcommand("read", "Read a radio into a set-up file");
    read->add_option("--port", device, portHelp)->required()->check(portNamed);
    read->add_option("OUT", out, "The set-up file to write" + kinds)->required();
    read->callback([&run] { run = [] { Read(device, out); }; });

    auto* write = app.add_subcommand(
        "write", "Write a set-up into a radio, or into several at once (one --port each)");
    // Each --port takes one device: the word after it is the set-up, not another port.
    write
        ->add_option("--port", devices,
                     portHelp + "; give it once per radio, or a range of ports: COM1..COM4")
        ->required()
        ->allow_extra_args(false)
        ->check(portNamed);
    write->add_option("IN", in, "The set-up file to write into the radio" + kinds)->required();
    writeFlags(write);
    write->callback([&run] {
        const std::vector<std::string> radios = ExpandPortRanges(devices);
        const bool range =
            std::any_of(devices.begin(), devices.end(),
                        [](const std::string& named) { return ParsePortRange(named).has_value(); });
        // One radio's calibration written into others would replace their own: a fleet leaves
        // every radio's calibration as it is, and the choice is refused before a port is opened.
        if (choices.unlockCalibration && (radios.size() > 1 || range)) {
            throw CLI::ValidationError(
                "--unlock-calibration",
                "--unlock-calibration writes one radio's power calibration: give one --port, "
                "neither several nor a range (several radios are written without their "
                "calibration)");
        }
        run = [radios] {
            if (radios.size() == 1) {
                Write(radios.front(), in, choices, false);
            } else {
                FleetWrite(radios, in, choices);
            }
        };
    });

    auto* restore = app.add_subcommand(
        "restore", "Write a *.DAT file (a backup) into a radio byte for byte, as it is");
    restore->add_option("--port", device, portHelp)->required()->check(portNamed);
    restore->add_option("IN", in, "The *.DAT file, e.g. a backup from 'qv7100-cli backups'")
        ->required();
    writeFlags(restore);
    restore->callback([&run] { run = [] { Write(device, in, choices, true); }; });

    std::string faults = "How the radio misbehaves:";
    for (const RadioFaultHelp& line : RadioFaultHelpLines()) {
        faults += "\n  " + std::string(line.usage) + "  " + std::string(line.description);
    }
    auto* simulate = app.add_subcommand(
        "simulate", "Serve a virtual radio on a pseudo-terminal until interrupted");
    simulate->add_option("--band", band, "Band position 0..5 (0 is 400-470MHz)")
        ->check(CLI::Range(0, 5));
    simulate->add_option("--image", imageFile,
                         "A set-up file to load, *.DAT or text (default: start-up set-up)");
    simulate->add_option("--fault", fault, faults)->check([](const std::string& text) {
        return ParseRadioFault(text) ? std::string() : "unknown fault: " + text;
    });
    simulate->add_flag("--paced", paced, "Take the real 9600-baud time for every byte");
    auto* shelved = simulate->add_option(
        "--shelf", shelf.radios,
        "Serve N radios one after another on the one device, as a dealer plugs radios into a "
        "cable: each comes, stays --present seconds after its first answer, goes, and the next "
        "comes --gap seconds later; radio k holds the image with \"SHELF RADIO k\" as embedded "
        "line 1 and power levels of its own");
    shelved->check(CLI::Range(1, 99));
    simulate
        ->add_option("--present", shelf.present,
                     "Seconds a radio of the shelf stays after its first answer (a silent one: "
                     "after it came); default 3, with --paced 8")
        ->check(CLI::NonNegativeNumber)
        ->needs(shelved);
    simulate
        ->add_option("--gap", shelf.gap,
                     "Seconds the line is empty between two radios of the shelf (default 2)")
        ->check(CLI::NonNegativeNumber)
        ->needs(shelved);
    simulate
        ->add_option("--shelf-bands", shelf.bands,
                     "The band positions of the shelf's radios in turn, repeated when the list is "
                     "shorter, e.g. 0,0,3 (default: --band)")
        ->delimiter(',')
        ->check(CLI::Range(0, 5))
        ->needs(shelved);
    simulate
        ->add_option("--shelf-fault", shelf.faults,
                     "K=MODE: radio K of the shelf misbehaves as --fault MODE, e.g. 3=silent or "
                     "5=drop-block:41 (once per radio; cable-pulled ends the whole line)")
        ->check([](const std::string& text) { return ShelfFaultProblem(text); })
        ->needs(shelved);
    simulate->callback([&run, shelved] {
        if (shelved->count() > 0 && fault != "none") {
            throw CLI::ValidationError("--fault",
                                       "with --shelf, give each radio's fault with "
                                       "--shelf-fault K=MODE");
        }
        run = [] { Simulate(band, imageFile, fault, paced, shelf); };
    });
}

}  // namespace qv::cli
