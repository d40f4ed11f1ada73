#include "link/core/port_problem.h"

#include <cstdio>

#include "i18n/messages.h"
#include "i18n/port_texts.h"

namespace qv {
namespace {

using Wording = std::string (*)(const PortName& port, Language language);

std::string Busy(const PortName& port, Language language) {
    // The menu's ports by their number, as the tool has always named them.
    if (port.number > 0) return PortBusyMessage(port.number, language);
    return PortBusyMessage(port.device, language);
}

std::string NoPermission(const PortName& port, Language language) {
    return PortPermissionMessage(port.device.empty() ? PortLabel(port) : port.device, language);
}

std::string Missing(const PortName& port, Language language) {
    return FormatMessage(MessageId::PortMissing, language, {PortLabel(port)});
}

std::string NotSerial(const PortName& port, Language language) {
    return FormatMessage(MessageId::PortNotSerial, language, {PortLabel(port)});
}

struct PortErrorRow {
    PortOpenError error;
    Wording wording;
};

constexpr PortErrorRow kPortErrors[] = {
    // A port that stayed closed for no reason the system gave counts as held by another program.
    {PortOpenError::None, Busy},
    {PortOpenError::Busy, Busy},
    {PortOpenError::NoPermission, NoPermission},
    {PortOpenError::NotFound, Missing},
    {PortOpenError::NotSerial, NotSerial},
};

// "0660".
std::string ModeText(unsigned mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", mode & 07777);
    return text;
}

std::string RuleText(const RuleLine& rule) {
    return rule.file.string() + ":" + std::to_string(rule.line);
}

std::string PermissionText(const PortDiagnosis& diagnosis, Language language) {
    const NodeAccess& access = *diagnosis.access;
    const std::string mode = ModeText(access.mode);
    std::string text;
    if (!access.groupOpensIt || access.groupId == 0) {
        text = PortText(PortTextId::OwnerOnly, language, {access.owner, mode});
    } else if (!access.inGroup && access.listedInGroup) {
        text = PortText(PortTextId::GroupNeedsNewLogin, language, {access.group});
    } else if (!access.inGroup) {
        text = PortText(PortTextId::NotInGroup, language, {access.owner, access.group, mode});
    }
    // Where a rule gives the cable to the user at the screen, or the package's would.
    std::string rule;
    if (diagnosis.seatAccessRule) {
        rule =
            PortText(PortTextId::SeatRuleInForce, language, {RuleText(*diagnosis.seatAccessRule)});
    } else if (diagnosis.CableChip()) {
        rule = PortText(PortTextId::PackagedRuleWouldDo, language);
    }
    if (text.empty()) return rule;
    return rule.empty() ? text : text + (language == Language::English ? " " : "") + rule;
}

std::string HoldersText(const std::vector<HoldingProcess>& holders, Language language) {
    std::string list;
    for (const HoldingProcess& holder : holders) {
        if (!list.empty()) list += PortText(PortTextId::ListSeparator, language);
        const std::string pid = std::to_string(holder.pid);
        list += holder.name.empty()
                    ? PortText(PortTextId::HolderUnnamed, language, {pid})
                    : PortText(PortTextId::HolderNamed, language, {holder.name, pid});
    }
    return PortText(PortTextId::HeldBy, language, {list});
}

std::string BrlttyText(const PortDiagnosis& diagnosis, Language language) {
    const RuleLine& rule = diagnosis.brlttyRules.front();
    const std::string adapter = AdapterName(*diagnosis.usb);
    if (rule.inLocalFolder) {
        return PortText(PortTextId::BrlttyClaimsLocal, language, {adapter, RuleText(rule)});
    }
    return PortText(PortTextId::BrlttyClaims, language,
                    {adapter, RuleText(rule), rule.file.filename().string()});
}

std::string ModemManagerText(const PortDiagnosis& diagnosis, Language language) {
    const std::string installed = diagnosis.modemManager->installed.string();
    if (diagnosis.CableChip()) {
        return PortText(PortTextId::ModemManagerCable, language, {installed});
    }
    return PortText(PortTextId::ModemManagerOther, language,
                    {installed, diagnosis.usb->vid + ":" + diagnosis.usb->pid});
}

}  // namespace

std::string PortLabel(const PortName& port) {
    if (port.number <= 0) return port.device;
    const std::string com = "COM" + std::to_string(port.number);
    if (port.device.empty() || port.device == com) return com;
    return com + " (" + port.device + ")";
}

std::string PortShortName(const PortName& port) {
    return port.number > 0 ? "COM" + std::to_string(port.number) : port.device;
}

std::string PortOpenMessage(PortOpenError error, const PortName& port, Language language) {
    for (const PortErrorRow& row : kPortErrors) {
        if (row.error == error) return row.wording(port, language);
    }
    return Busy(port, language);
}

std::string AdapterName(const UsbAdapter& usb) {
    const std::string ids = usb.vid + ":" + usb.pid;
    return usb.chip.empty() ? ids : ids + " " + usb.chip;
}

std::string PortMenuDevice(const std::string& device, const std::optional<UsbAdapter>& usb,
                           Language language) {
    if (device.empty()) return PortText(PortTextId::MenuNoDevice, language);
    if (!usb) return device;
    return PortText(PortTextId::MenuDeviceOf, language,
                    {device, usb->chip.empty() ? usb->vid + ":" + usb->pid : usb->chip});
}

std::vector<std::string> DiagnosisFindings(const PortDiagnosis& diagnosis, Language language) {
    std::vector<std::string> findings;
    if (diagnosis.NoPermission()) findings.push_back(PermissionText(diagnosis, language));
    if (diagnosis.Held()) findings.push_back(HoldersText(*diagnosis.holders, language));
    if (diagnosis.ClaimedByBrltty()) findings.push_back(BrlttyText(diagnosis, language));
    if (diagnosis.ModemManagerMayProbe()) {
        findings.push_back(ModemManagerText(diagnosis, language));
    }
    return findings;
}

std::string PortOpenMessage(PortOpenError error, const PortName& port, Language language,
                            const PortDiagnosis& diagnosis) {
    std::string message = error == PortOpenError::NoPermission && diagnosis.NoPermission()
                              ? PortText(PortTextId::NoPermissionOn, language,
                                         {port.device.empty() ? PortLabel(port) : port.device})
                              : PortOpenMessage(error, port, language);
    for (const std::string& finding : DiagnosisFindings(diagnosis, language)) {
        message += "\n\n" + finding;
    }
    return message;
}

}  // namespace qv
