// read, write and simulate: the radio link from the command line.
#include <QCoreApplication>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <optional>
#include <regex>
#include <string>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/console_view.h"
#include "cli/standard_output.h"
#include "image/image_codec.h"
#include "link/qt/serial_port.h"
#include "link/qt/transfer_driver.h"
#include "rules/program/dat_file.h"
#include "rules/program/file_commands.h"
#include "rules/program/safe_save.h"
#include "rules/program/startup.h"
#include "sim/pty_server.h"
#include "sim/radio_fault.h"
#include "state/bands.h"

namespace qv::cli {
namespace {

constexpr int kEnglish = 1;

std::string BandName(int position) {
    return std::string(BandAt(position).listText);
}

// --port takes COM1..COM8, resolved as the program's port menu does, or a device path.
void UsePort(const std::string& device, ProgramState& state, SerialPort& port) {
    static const std::regex kComPort("COM([1-8])", std::regex::icase);
    std::smatch match;
    if (std::regex_match(device, match, kComPort)) {
        state.CommPortNumber = std::stoi(match[1]);
    } else {
        port.SetDeviceOverride(QString::fromStdString(device));
    }
}

// Why the port did not open, as the program's window says it, after the system's own words.
std::string PortFailure(const SerialPort& port) {
    const std::string diagnosis =
        PortOpenMessage(port.LastOpenError(), port.Name(), Language::English);
    // The system's words for a device that is no serial port ("Inappropriate ioctl for device")
    // tell a dealer nothing.
    if (port.LastOpenError() == PortOpenError::NotSerial || port.LastErrorText().isEmpty()) {
        return diagnosis;
    }
    return "cannot open the serial port " + PortLabel(port.Name()) + ": " +
           port.LastErrorText().toStdString() + "\n" + diagnosis;
}

struct TransferResult {
    TransferOutcome outcome;
    int identifiedBand;       // the band the radio reported
    TransferFailure failure;  // why it ended with the communication error
};

// Runs one transfer to its end and gives how it ended.
TransferResult RunTransfer(ProgramState& state, ConsoleHost& host, SerialPort& port,
                           const std::string& verb, bool write) {
    int argc = 1;
    char name[] = "qv7100-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    ConsoleView view(verb, [&app] {
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    host.SetBeforeAsking([&view] { view.BreakLine(); });
    TransferDriver driver(state, host, port, view);
    if (write) {
        driver.StartWrite();
    } else {
        driver.StartRead();
    }
    if (!view.Outcome()) app.exec();
    host.SetBeforeAsking(nullptr);
    const LinkVariables& vars = driver.Engine().Variables();
    return {view.Outcome().value_or(TransferOutcome::CommunicationError), vars.IdentifiedBand,
            vars.Failure};
}

std::string LastMessage(const ConsoleHost& host) {
    return host.Messages().empty() ? std::string() : host.Messages().back();
}

// The message the program shows, then the device and what went wrong on a line of their own.
std::string TransferFailed(const std::string& what, const ConsoleHost& host,
                           const TransferResult& result, bool write, const SerialPort& port) {
    std::string text = what + " failed: " + LastMessage(host);
    const std::string details =
        FailureDetails(result.failure, write, port.DeviceName(), Language::English);
    if (!details.empty()) text += "\n" + details;
    return text;
}

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
    UsePort(device, state, port);
    const TransferResult result = RunTransfer(state, host, port, "Reading", false);
    switch (result.outcome) {
        case TransferOutcome::ReadComplete:
            break;
        case TransferOutcome::PortNotOpen:
            throw CommandFailed(PortFailure(port));
        default:
            throw CommandFailed(TransferFailed("read", host, result, false, port));
    }
    // Messages of the decoder (the priority rules) are worth knowing; the read itself succeeded.
    for (const std::string& message : host.Messages()) {
        std::fprintf(stderr, "qv7100-cli: note: %s\n", message.c_str());
    }
    if (const Status saved = SaveSetupFile(out, state); !saved.ok()) {
        throw CommandFailed(out + ": " + saved.Describe(Language::English));
    }
    PrintToStandardOutput("Read a " + BandName(result.identifiedBand) + " radio on " +
                          port.DeviceName() + " into " + out + "\n");
}

void Write(const std::string& device, const std::string& in, bool answerYes,
           bool unlockCalibration) {
    // Nobody can answer a question on standard input that is not a terminal (a script, a pipe).
    ConsoleHost host(answerYes                ? Questions::AnswerYes
                     : ::isatty(STDIN_FILENO) ? Questions::AskOnTerminal
                                              : Questions::AnswerNo);
    host.SetQuiet(true);
    ProgramState state = StartupState(host, kEnglish);
    if (const Status opened = OpenSetupFile(in, state, host); !opened.ok()) {
        throw CommandFailed(in + ": " + opened.Describe(Language::English));
    }
    if (unlockCalibration) state.CalibrationUnlocked = true;
    SerialPort port;
    UsePort(device, state, port);
    const TransferResult result = RunTransfer(state, host, port, "Writing", true);
    switch (result.outcome) {
        case TransferOutcome::WriteComplete:
            PrintToStandardOutput("Wrote " + in + " into the radio on " + port.DeviceName() +
                                  (unlockCalibration ? " (with the power calibration)" : "") +
                                  "\n");
            return;
        case TransferOutcome::PortNotOpen:
            throw CommandFailed(PortFailure(port));
        case TransferOutcome::WriteDeclined:
            throw CommandFailed(WriteDeclined(host, result.identifiedBand, state.Combo1));
        default:
            throw CommandFailed(TransferFailed("write", host, result, true, port));
    }
}

void Simulate(int band, const std::string& imageFile, const std::string& faultName, bool paced) {
    ImageBytes image;
    if (imageFile.empty()) {
        ConsoleHost host;
        image = EncodeImage(StartupState(host));
    } else if (const Status read = ReadDatFile(imageFile, image); !read.ok()) {
        throw CommandFailed(imageFile + ": " + read.Describe(Language::English));
    }
    const RadioFault fault = ParseRadioFault(faultName).value_or(RadioFault{});

    // The server's thread must not take the signals that end the simulation.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    PtyServer server(VirtualRadio(image, band, fault), paced);
    std::string error;
    if (!server.Start(&error)) throw CommandFailed("cannot start the virtual radio: " + error);
    // Nobody could reach a radio whose device was never told: then it ends at once.
    PrintToStandardOutput(server.DevicePath() + "\n");
    std::fprintf(stderr,
                 "Virtual %s radio%s%s on %s; point the tool at it (e.g. QV7100_COM1=%s). "
                 "Ctrl+C ends it.\n",
                 BandName(band).c_str(), fault.kind == RadioFaultKind::None ? "" : " with fault ",
                 fault.kind == RadioFaultKind::None ? "" : RadioFaultName(fault).c_str(),
                 server.DevicePath().c_str(), server.DevicePath().c_str());
    int received = 0;
    sigwait(&stopSignals, &received);
    server.Stop();
    const RadioRecord record = server.Snapshot();
    std::fprintf(stderr, "Sessions %d, blocks read %zu, blocks written %zu, ends received %d\n",
                 record.sessions, record.blocksRead.size(), record.blocksWritten.size(),
                 record.endsReceived);
}

}  // namespace

void AddLinkCommands(CLI::App& app, Action& run) {
    static std::string device, in, out, imageFile, fault = "none";
    static bool answerYes = false, unlockCalibration = false, paced = false;
    static int band = 0;
    const std::string portHelp = "Serial device path, or COM1..COM8 (QV7100_COMn names the device)";
    // An empty --port would quietly fall back to COM1's device.
    const auto portNamed = [](const std::string& text) {
        return text.empty() ? std::string("a device path or COM1..COM8 is needed") : std::string();
    };

    auto* read = app.add_subcommand("read", "Read a radio into a *.DAT set-up");
    read->add_option("--port", device, portHelp)->required()->check(portNamed);
    read->add_option("OUT", out, "The *.DAT file to write")->required();
    read->callback([&run] { run = [] { Read(device, out); }; });

    auto* write = app.add_subcommand("write", "Write a *.DAT set-up into a radio");
    write->add_option("--port", device, portHelp)->required()->check(portNamed);
    write->add_option("IN", in, "The *.DAT file to write into the radio")->required();
    write->add_flag("--yes", answerYes,
                    "Answer Yes when the radio's band differs from the set-up's");
    write->add_flag("--unlock-calibration", unlockCalibration,
                    "Open calibration access: the power calibration block is written too");
    write->callback([&run] { run = [] { Write(device, in, answerYes, unlockCalibration); }; });

    std::string faults = "How the radio misbehaves:";
    for (const RadioFaultHelp& line : RadioFaultHelpLines()) {
        faults += "\n  " + std::string(line.usage) + "  " + std::string(line.description);
    }
    auto* simulate = app.add_subcommand(
        "simulate", "Serve a virtual radio on a pseudo-terminal until interrupted");
    simulate->add_option("--band", band, "Band position 0..5 (0 is 400-470MHz)")
        ->check(CLI::Range(0, 5));
    simulate->add_option("--image", imageFile, "A *.DAT set-up to load (default: start-up set-up)");
    simulate->add_option("--fault", fault, faults)->check([](const std::string& text) {
        return ParseRadioFault(text) ? std::string() : "unknown fault: " + text;
    });
    simulate->add_flag("--paced", paced, "Take the real 9600-baud time for every byte");
    simulate->callback([&run] { run = [] { Simulate(band, imageFile, fault, paced); }; });
}

}  // namespace qv::cli
