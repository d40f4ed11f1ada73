// detect: which port holds a radio, every port probed at once.
#include <QEventLoop>
#include <QJsonObject>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/json_values.h"
#include "cli/link_session.h"
#include "cli/standard_output.h"
#include "cli/terminal_text.h"
#include "cli/text_columns.h"
#include "i18n/detect_texts.h"
#include "link/core/port_mapping.h"
#include "link/core/probe_report.h"
#include "link/core/serial_devices.h"
#include "link/qt/radio_detection.h"
#include "state/bands.h"

namespace qv::cli {
namespace {

constexpr Language kEnglish = Language::English;

// A port to probe: as the user gave it ("COMn" for a port of the menu), and resolved.
struct NamedPort {
    std::string label;
    PortName port;
};

// The --port words, each resolved once; a later word that stands for a device already named is
// probed once, under its first name.
std::vector<NamedPort> PortsNamed(const std::vector<std::string>& words) {
    std::vector<NamedPort> ports;
    std::set<std::string> devices;
    for (const std::string& word : ExpandPortRanges(words)) {
        const std::optional<int> number = ComPortNumber(word);
        const PortName port = ResolvePortText(word);
        const std::string label = number ? "COM" + std::to_string(*number) : word;
        if (!port.device.empty() && !devices.insert(port.device).second) {
            Note(EscapeControls(label) + " stands for " + EscapeControls(port.device) +
                 ", named before: it is probed once");
            continue;
        }
        ports.push_back({label, port});
    }
    return ports;
}

// Every COMn that stands for a device of this system.
std::vector<NamedPort> PortsOfTheSystem() {
    std::vector<NamedPort> ports;
    for (const PortName& port : PortsToDetect()) {
        ports.push_back({"COM" + std::to_string(port.number), port});
    }
    return ports;
}

std::string AnswerWord(ProbeAnswer answer) {
    switch (answer) {
        case ProbeAnswer::ThisModel:
            return "qv7100";
        case ProbeAnswer::OtherModel:
            return "other";
        case ProbeAnswer::Nothing:
            return "none";
        case ProbeAnswer::PortNotOpen:
        case ProbeAnswer::PortLost:
            return "error";
    }
    return "error";
}

// Why there was an error, in one word a script can test.
std::optional<std::string> ErrorWord(const ProbeResult& probe) {
    if (probe.answer == ProbeAnswer::PortLost) return "device-lost";
    if (probe.answer != ProbeAnswer::PortNotOpen) return std::nullopt;
    switch (probe.portError) {
        case PortOpenError::NoPermission:
            return "permission";
        case PortOpenError::NotFound:
            return "not-found";
        case PortOpenError::NotSerial:
            return "not-serial";
        case PortOpenError::None:
        case PortOpenError::Busy:
            return "busy";
    }
    return "busy";
}

std::optional<std::string> BandText(const ProbeResult& probe) {
    if (!probe.FoundRadio() || !probe.band) return std::nullopt;
    return std::string(BandAt(*probe.band).listText);
}

// The identification as it came, for an answer that sent one.
std::optional<std::string> IdentificationText(const ProbeResult& probe) {
    if (probe.answer != ProbeAnswer::ThisModel && probe.answer != ProbeAnswer::OtherModel) {
        return std::nullopt;
    }
    return PrintableBytes(probe.received);
}

std::string JsonReport(const std::vector<NamedPort>& ports, const RadioDetection& detection) {
    QJsonArray array;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const ProbeResult& probe = detection.End(i)->probe;
        const PortName& port = detection.Port(i);
        const std::optional<SerialDevice> device =
            port.device.empty() ? std::nullopt : DescribeSerialDevice(port.device, SystemInUse());
        array.append(QJsonObject{
            {"port", JsonText(ports[i].label)},
            {"device", JsonText(port.device)},
            {"answer", JsonText(AnswerWord(probe.answer))},
            {"band", JsonText(BandText(probe))},
            {"identification", JsonText(IdentificationText(probe))},
            {"detail", JsonText(ErrorWord(probe))},
            {"text", JsonText(ProbeAnswerText(probe, port, kEnglish))},
            {"usb", UsbAdapterJson(device ? device->usb : std::nullopt)},
        });
    }
    return JsonDocumentText(array);
}

std::string TextReport(const std::vector<NamedPort>& ports, const RadioDetection& detection) {
    std::vector<std::vector<std::string>> rows = {{"Port", "Device", "Answer"}};
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const PortName& port = detection.Port(i);
        rows.push_back({EscapeControls(ports[i].label),
                        port.device.empty() ? std::string("-") : EscapeControls(port.device),
                        EscapeControls(ProbeAnswerText(detection.End(i)->probe, port, kEnglish))});
    }
    return TextColumns(rows);
}

void Detect(const std::vector<std::string>& words, bool json) {
    Application();
    const std::vector<NamedPort> ports = words.empty() ? PortsOfTheSystem() : PortsNamed(words);
    if (ports.empty()) {
        if (json) PrintToStandardOutput(JsonDocumentText({}));
        throw CommandFailed(DetectText(DetectTextId::NoPortToProbe, kEnglish) +
                            " Plug in the programming cable, or name a port with --port.");
    }
    std::vector<PortName> resolved;
    for (const NamedPort& port : ports) resolved.push_back(port.port);

    // Every port at once on the one event loop: the run takes the slowest port's wait.
    QEventLoop loop;
    RadioDetection detection;
    detection.SetFinishedHandler(
        [&loop] { QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection); });
    detection.Start(resolved);
    if (detection.IsRunning()) loop.exec();

    PrintToStandardOutput(json ? JsonReport(ports, detection) : TextReport(ports, detection));
    if (detection.RadiosFound().empty()) {
        throw CommandFailed(DetectText(DetectTextId::NoRadioFound, kEnglish));
    }
}

}  // namespace

void AddDetectCommand(CLI::App& app, Action& run) {
    static std::vector<std::string> ports;
    static bool json = false;
    auto* detect = app.add_subcommand(
        "detect",
        "Find the ports that hold a radio: every port at once is asked who answers, and told to "
        "end at once; no memory is read or written. Exit 0 when a QV-7100 answered, 1 otherwise");
    detect
        ->add_option("--port", ports,
                     "Serial device path, or COM1..COM8 (QV7100_COMn names the device); give it "
                     "once per port, or a range of ports: COM1..COM4. Default: every COM1..COM8 "
                     "that stands for a device")
        ->allow_extra_args(false)
        ->check([](const std::string& text) { return PortNameProblem(text); });
    detect->add_flag("--json", json,
                     "Print a JSON array, an object per port: port, device, answer (qv7100, "
                     "other, none or error), band, identification, detail (why an error), text, "
                     "usb");
    detect->callback([&run] { run = [] { Detect(ports, json); }; });
}

}  // namespace qv::cli
