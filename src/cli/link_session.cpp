#include "cli/link_session.h"

#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "cli/commands.h"
#include "cli/console_host.h"
#include "cli/console_view.h"
#include "link/core/port_problem.h"
#include "link/qt/fleet_write.h"
#include "link/qt/transfer_driver.h"
#include "rules/backups/backups.h"
#include "rules/program/startup.h"
#include "state/bands.h"

namespace qv::cli {

QCoreApplication& Application() {
    static int argc = 1;
    static char name[] = "qv7100-cli";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit, Qt's own globals may already be gone.
    static QCoreApplication* const app = new QCoreApplication(argc, argv);
    return *app;
}

void UsePort(const std::string& device, SerialPort& port) {
    port.FixDevice(ResolvePortText(device));
}

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

std::string BandName(int position) {
    return std::string(BandAt(position).listText);
}

std::filesystem::path BackupsFolder() {
    return BackupFolder([](const std::string& variable) -> std::optional<std::string> {
        const char* value = std::getenv(variable.c_str());
        return value == nullptr ? std::nullopt : std::optional<std::string>(value);
    });
}

void Note(const std::string& text) {
    std::fprintf(stderr, "qv7100-cli: note: %s\n", text.c_str());
}

ImageBytes CaptureRadio(const std::string& device, int* radioBand) {
    Application();
    ConsoleHost host;
    host.SetQuiet(true);
    ProgramState state = StartupState(host, 1);
    SerialPort port;
    UsePort(device, port);
    QEventLoop loop;
    ConsoleView view("Reading " + device, [&loop] {
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    TransferDriver driver(state, host, port, view);
    driver.StartCapture();
    if (!view.Outcome()) loop.exec();
    switch (view.Outcome().value_or(TransferOutcome::CommunicationError)) {
        case TransferOutcome::ReadComplete:
            break;
        case TransferOutcome::PortNotOpen:
            throw CommandFailed(PortFailure(port));
        default: {
            std::string text = "read failed: " + host.Messages().back();
            const std::string details = FailureDetails(driver.Engine().Variables().Failure, false,
                                                       port.DeviceName(), Language::English);
            if (!details.empty()) text += "\n" + details;
            throw CommandFailed(text);
        }
    }
    if (radioBand != nullptr) *radioBand = driver.Engine().Variables().IdentifiedBand;
    // A radio read for a comparison is kept as any read is.
    const ImageBytes image = driver.Engine().CapturedImageBytes();
    BackupKeeper(
        BackupsFolder(), [](const std::string& text) { Note(text); }, Language::English)
        .Keep(image, driver.Engine().Variables().IdentifiedBand, BackupKind::Read);
    return image;
}

}  // namespace qv::cli
