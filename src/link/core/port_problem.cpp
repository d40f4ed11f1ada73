#include "link/core/port_problem.h"

#include "i18n/messages.h"

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

}  // namespace qv
