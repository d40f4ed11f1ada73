#include "cli/link_session.h"

#include <QEventLoop>

#include <cstdio>

#include "cli/commands.h"
#include "cli/console_view.h"
#include "i18n/backup_texts.h"
#include "link/core/port_mapping.h"
#include "link/core/port_problem.h"
#include "link/qt/transfer_driver.h"
#include "rules/program/startup.h"
#include "state/bands.h"

namespace qv::cli {
namespace {

constexpr Language kEnglish = Language::English;

}  // namespace

QCoreApplication& Application() {
    static int argc = 1;
    static char name[] = "qv7100-cli";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit, Qt's own globals may already be gone.
    static QCoreApplication* const app = new QCoreApplication(argc, argv);
    return *app;
}

void UsePort(const std::string& device, SerialPort& port) {
    port.FixDevice(ResolvePortText(device, SystemInUse()));
}

std::string PortNameProblem(const std::string& text) {
    if (text.empty()) return "a device path or COM1..COM8 is needed";
    if (const std::optional<int> number = ComPortNumber(text);
        number && (*number < 1 || *number > kPortCount)) {
        return text + " is no port: the ports are COM1..COM" + std::to_string(kPortCount);
    }
    if (const std::optional<PortRange> range = ParsePortRange(text);
        range && !range->NamesPorts()) {
        return text + " names no ports: a range runs upwards within COM1..COM" +
               std::to_string(kPortCount);
    }
    return {};
}

std::vector<std::string> ExpandPortRanges(const std::vector<std::string>& named) {
    std::vector<std::string> ports;
    for (const std::string& text : named) {
        if (const std::optional<PortRange> range = ParsePortRange(text)) {
            for (const std::string& port : range->Ports()) ports.push_back(port);
        } else {
            ports.push_back(text);
        }
    }
    return ports;
}

std::string PortFailure(const SerialPort& port) {
    std::string diagnosis =
        PortOpenMessage(port.LastOpenError(), port.Name(), kEnglish, port.Diagnose());
    // A line each: the terminal needs no blank lines between the findings.
    for (std::size_t gap; (gap = diagnosis.find("\n\n")) != std::string::npos;) {
        diagnosis.erase(gap, 1);
    }
    // The system's words for a device that is no serial port ("Inappropriate ioctl for device")
    // tell a dealer nothing.
    if (port.LastOpenError() == PortOpenError::NotSerial || port.LastErrorText().isEmpty()) {
        return diagnosis;
    }
    return "cannot open the serial port " + PortLabel(port.Name()) + ": " +
           port.LastErrorText().toStdString() + "\n" + diagnosis;
}

std::string TransferFailed(const std::string& what, const TransferFailure& failure, bool write,
                           const SerialPort& port) {
    std::string text =
        what + " failed: " + std::string(MessageText(FailureMessage(failure.kind), kEnglish));
    const std::string details = FailureDetails(failure, write, port.DeviceName(), kEnglish);
    if (!details.empty()) text += "\n" + details;
    return text;
}

std::string BandName(int position) {
    return std::string(BandAt(position).listText);
}

void Note(const std::string& text) {
    std::fprintf(stderr, "qv7100-cli: note: %s\n", text.c_str());
}

void NoteUnsaved(const SavedBackup& backup) {
    if (backup.Saved()) return;
    Note(BackupText(BackupTextId::NotSaved, kEnglish,
                    {backup.path.string(), backup.status.Describe(kEnglish)}));
}

RadioRead ReadRadio(ProgramState& state, ConsoleHost& host, SerialPort& port, ReadUse use,
                    const std::string& verb) {
    Application();
    QEventLoop loop;
    ConsoleView view(verb, [&loop] {
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    host.SetBeforeAsking([&view] { view.BreakLine(); });
    TransferDriver driver(state, host, port, view);
    if (use == ReadUse::Decode) {
        driver.StartRead();
    } else {
        driver.StartCapture();
    }
    if (!view.Outcome()) loop.exec();
    host.SetBeforeAsking(nullptr);
    const LinkVariables& vars = driver.Engine().Variables();
    return {view.Outcome().value_or(TransferOutcome::CommunicationError), vars.IdentifiedBand,
            vars.Failure, driver.Engine().CapturedImageBytes()};
}

ImageBytes CaptureRadio(const std::string& device, int* radioBand) {
    ConsoleHost host;
    host.SetQuiet(true);
    ProgramState state = StartupState(host, 1);
    SerialPort port;
    UsePort(device, port);
    const RadioRead read = ReadRadio(state, host, port, ReadUse::Capture, "Reading " + device);
    switch (read.outcome) {
        case TransferOutcome::ReadComplete:
            break;
        case TransferOutcome::PortNotOpen:
            throw CommandFailed(PortFailure(port));
        default:
            throw CommandFailed(TransferFailed("read", read.failure, false, port));
    }
    if (radioBand != nullptr) *radioBand = read.band;
    // A radio read for a comparison is kept as any read is.
    NoteUnsaved(BackupKeeper(UserBackupFolder())
                    .Keep(read.image, read.band, BackupKind::Read, PortShortName(port.Name())));
    return read.image;
}

}  // namespace qv::cli
