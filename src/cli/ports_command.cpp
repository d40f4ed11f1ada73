// ports: the serial devices as the system shows them, adapters whose numbers can swap, and what
// keeps a port from working.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/json_values.h"
#include "cli/link_session.h"
#include "cli/standard_output.h"
#include "cli/text_columns.h"
#include "i18n/port_texts.h"
#include "link/core/port_diagnosis.h"
#include "link/core/port_problem.h"
#include "link/core/serial_devices.h"
#include "link/qt/serial_port.h"

namespace qv::cli {
namespace {

constexpr Language kEnglish = Language::English;
constexpr const char* kNone = "-";

// A device with the COM numbers that stand for it and what keeps it from working.
struct PortEntry {
    SerialDevice device;
    std::vector<int> comPorts;
    PortDiagnosis diagnosis;

    // "COM1 (/dev/ttyUSB0)", the device alone when no COM number stands for it.
    std::string Label() const {
        return PortLabel({comPorts.empty() ? 0 : comPorts.front(), device.device});
    }
};

// The system's devices, then any device a QV7100_COMn variable names beyond them (a virtual
// radio's pseudo-terminal), each with its COM numbers and its diagnosis.
std::vector<PortEntry> SystemPorts() {
    const SystemRoots roots = SystemInUse();
    std::vector<SerialDevice> devices = ListSerialDevices(roots);
    const PortLookup lookup = SystemPortLookup(roots);
    for (int port = 1; port <= kPortCount; ++port) {
        const std::optional<std::string> named =
            lookup.environment ? lookup.environment(ComPortVariable(port)) : std::nullopt;
        if (!named) continue;
        const std::optional<SerialDevice> device = DescribeSerialDevice(*named, roots);
        if (!device) continue;
        const bool listed = std::any_of(devices.begin(), devices.end(), [&](const auto& known) {
            return known.device == device->device;
        });
        if (!listed) devices.push_back(*device);
    }
    const std::vector<PortDiagnosis> diagnoses = DiagnosePorts(devices, roots);
    std::vector<PortEntry> entries;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        entries.push_back({devices[i], ComPortsOf(devices[i], lookup, roots), diagnoses[i]});
    }
    return entries;
}

std::string ComText(const std::vector<int>& ports) {
    std::string text;
    for (const int port : ports) text += (text.empty() ? "COM" : ", COM") + std::to_string(port);
    return text.empty() ? kNone : text;
}

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The table: a row per device, and a row more for each further stable name it has.
std::string DeviceTable(const std::vector<PortEntry>& entries) {
    std::vector<std::vector<std::string>> rows = {{
        PortText(PortTextId::ColumnPort, kEnglish),
        PortText(PortTextId::ColumnDevice, kEnglish),
        PortText(PortTextId::ColumnById, kEnglish),
        PortText(PortTextId::ColumnByPath, kEnglish),
        PortText(PortTextId::ColumnUsb, kEnglish),
        PortText(PortTextId::ColumnChip, kEnglish),
        PortText(PortTextId::ColumnSerial, kEnglish),
    }};
    for (const PortEntry& entry : entries) {
        const SerialDevice& device = entry.device;
        const std::optional<UsbAdapter>& usb = device.usb;
        const auto nameAt = [](const std::vector<std::string>& names, std::size_t i) {
            return i < names.size() ? FileName(names[i]) : (i == 0 ? kNone : "");
        };
        rows.push_back({ComText(entry.comPorts), device.device, nameAt(device.byId, 0),
                        nameAt(device.byPath, 0), usb ? usb->vid + ":" + usb->pid : kNone,
                        usb && !usb->chip.empty() ? usb->chip : kNone,
                        usb && !usb->serial.empty() ? usb->serial : kNone});
        for (std::size_t i = 1; i < std::max(device.byId.size(), device.byPath.size()); ++i) {
            rows.push_back({"", "", nameAt(device.byId, i), nameAt(device.byPath, i)});
        }
    }
    return TextColumns(rows);
}

// "COM1 (/dev/ttyUSB0) and COM2 (/dev/ttyUSB1)", "A, B and C".
std::string PortList(const std::vector<std::string>& labels) {
    std::string head;
    for (std::size_t i = 0; i + 1 < labels.size(); ++i) {
        if (i > 0) head += PortText(PortTextId::ListSeparator, kEnglish);
        head += labels[i];
    }
    return PortText(PortTextId::BothPorts, kEnglish, {head, labels.back()});
}

std::string SwapWarnings(const std::vector<PortEntry>& entries) {
    std::vector<SerialDevice> devices;
    for (const PortEntry& entry : entries) devices.push_back(entry.device);
    const auto labelOf = [&](const SerialDevice& device) {
        for (const PortEntry& entry : entries) {
            if (entry.device.device == device.device) return entry.Label();
        }
        return device.device;
    };
    std::string text;
    for (const std::vector<SerialDevice>& group : SwappableAdapters(devices)) {
        std::vector<std::string> labels;
        for (const SerialDevice& device : group) labels.push_back(labelOf(device));
        const UsbAdapter& usb = *group.front().usb;
        text += "\n" +
                (usb.serial.empty() ? PortText(PortTextId::SwapNoSerial, kEnglish,
                                               {PortList(labels), AdapterName(usb)})
                                    : PortText(PortTextId::SwapSameSerial, kEnglish,
                                               {PortList(labels), AdapterName(usb), usb.serial})) +
                "\n";
        for (std::size_t i = 0; i < group.size(); ++i) {
            const std::vector<std::string>& byPath = group[i].byPath;
            text += "  " + labels[i] + ": " +
                    (byPath.empty() ? PortText(PortTextId::NoByPath, kEnglish)
                                    : "--port " + FileName(byPath.front())) +
                    "\n";
        }
    }
    return text;
}

std::string Findings(const std::vector<PortEntry>& entries) {
    std::string text;
    for (const PortEntry& entry : entries) {
        const std::vector<std::string> findings = DiagnosisFindings(entry.diagnosis, kEnglish);
        if (findings.empty()) continue;
        text += "\n" + PortText(PortTextId::FindingsOf, kEnglish, {entry.Label()}) + "\n";
        for (const std::string& finding : findings) text += "  " + finding + "\n";
    }
    if (text.empty()) text = "\n" + PortText(PortTextId::NothingFound, kEnglish) + "\n";
    return text;
}

// ---- --json ----------------------------------------------------------------------------------

QJsonArray Texts(const std::vector<std::string>& texts) {
    QJsonArray array;
    for (const std::string& text : texts) array.append(QString::fromStdString(text));
    return array;
}

QJsonValue Rule(const std::optional<RuleLine>& rule) {
    if (!rule) return {};
    return QString::fromStdString(rule->file.string() + ":" + std::to_string(rule->line));
}

QJsonValue AccessJson(const std::optional<NodeAccess>& access) {
    if (!access) return {};
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", access->mode);
    return QJsonObject{
        {"allowed", access->allowed},       {"owner", JsonText(access->owner)},
        {"group", JsonText(access->group)}, {"mode", mode},
        {"in_group", access->inGroup},      {"listed_in_group", access->listedInGroup},
    };
}

QJsonObject DiagnosisJson(const PortDiagnosis& diagnosis) {
    QJsonArray problems;
    if (diagnosis.NoPermission()) problems.append("no-permission");
    if (diagnosis.Held()) problems.append("held");
    if (diagnosis.ClaimedByBrltty()) problems.append("brltty");
    if (diagnosis.ModemManagerMayProbe()) problems.append("modemmanager");
    QJsonValue holders;
    if (diagnosis.holders) {
        QJsonArray list;
        for (const HoldingProcess& holder : *diagnosis.holders) {
            list.append(QJsonObject{{"pid", holder.pid}, {"name", JsonText(holder.name)}});
        }
        holders = list;
    }
    QJsonValue brltty;
    QJsonValue modemManager;
    QJsonValue seat;
    if (diagnosis.usb) {
        QJsonArray rules;
        for (const RuleLine& rule : diagnosis.brlttyRules) rules.append(Rule(rule));
        brltty = rules;
        seat = Rule(diagnosis.seatAccessRule);
        modemManager =
            diagnosis.modemManager
                ? QJsonValue(QJsonObject{
                      {"installed", JsonText(diagnosis.modemManager->installed.string())},
                      {"ignore_rule", Rule(diagnosis.modemManager->ignoreRule)}})
                : QJsonValue(QJsonValue::Null);
    }
    return {
        {"problems", problems},
        {"permission", AccessJson(diagnosis.access)},
        {"held_by", holders},
        {"brltty_rules", brltty},
        {"seat_access_rule", seat},
        {"modemmanager", modemManager},
        {"findings", Texts(DiagnosisFindings(diagnosis, kEnglish))},
    };
}

std::string PortsJson(const std::vector<PortEntry>& entries) {
    std::vector<SerialDevice> devices;
    for (const PortEntry& entry : entries) devices.push_back(entry.device);
    const auto groups = SwappableAdapters(devices);
    QJsonArray array;
    for (const PortEntry& entry : entries) {
        QJsonArray com;
        for (const int port : entry.comPorts) com.append("COM" + QString::number(port));
        std::vector<std::string> swappable;
        for (const std::vector<SerialDevice>& group : groups) {
            const bool inGroup = std::any_of(group.begin(), group.end(), [&](const auto& other) {
                return other.device == entry.device.device;
            });
            for (const SerialDevice& other : group) {
                if (inGroup && other.device != entry.device.device) {
                    swappable.push_back(other.device);
                }
            }
        }
        array.append(QJsonObject{
            {"com", com},
            {"device", JsonText(entry.device.device)},
            {"by_id", Texts(entry.device.byId)},
            {"by_path", Texts(entry.device.byPath)},
            {"usb", UsbAdapterJson(entry.device.usb)},
            {"swappable_with", Texts(swappable)},
            {"diagnosis", DiagnosisJson(entry.diagnosis)},
        });
    }
    return JsonDocumentText(array);
}

void Ports(bool json) {
    const std::vector<PortEntry> entries = SystemPorts();
    if (json) {
        PrintToStandardOutput(PortsJson(entries));
        return;
    }
    if (entries.empty()) {
        PrintToStandardOutput(PortText(PortTextId::NoDevices, kEnglish) + "\n");
        return;
    }
    PrintToStandardOutput(DeviceTable(entries) + SwapWarnings(entries) + Findings(entries));
}

}  // namespace

void AddPortsCommand(CLI::App& app, Action& run) {
    static bool json = false;
    auto* ports = app.add_subcommand(
        "ports",
        "List the serial devices as the system shows them (COM number, device, stable names, USB "
        "adapter), adapters whose numbers can swap, and what keeps a port from working");
    ports->add_flag("--json", json, "Print them as JSON, an object per device");
    ports->callback([&run] { run = [] { Ports(json); }; });
}

}  // namespace qv::cli
