// What may keep a serial device from working, as the system shows it: no permission for this
// user, another process holding it, the braille-display service brltty claiming the adapter, and
// ModemManager free to probe it. Data only, worded by DiagnosisFindings (port_problem.h). Read
// from files alone (the device node, /proc, udev's rule folders, the installed programs); what
// cannot be read is unknown, never an error.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "link/core/serial_devices.h"
#include "link/core/system_roots.h"

namespace qv {

// The process a diagnosis is made for: who opens the port.
struct ProcessIdentity {
    int pid = 0;
    unsigned uid = 0;
    std::vector<unsigned> groups;  // its group and its supplementary groups

    // This process: its effective user and groups, as opening a file checks them.
    static ProcessIdentity ThisProcess();
};

// Who may open the device node: its owner, group, mode and access list against the identity.
struct NodeAccess {
    bool allowed = false;  // the identity may read and write the node
    unsigned ownerId = 0;
    std::string owner;  // the owner's name, its number when the system's passwd does not name it
    unsigned groupId = 0;
    std::string group;  // "dialout"; its number when the system's group file does not name it
    unsigned mode = 0;  // the permission bits, 0660
    bool groupOpensIt = false;  // the mode lets the group read and write the node
    bool inGroup = false;       // the identity is in the node's group
    // The group file lists the user in the node's group (or it is the user's own): the user
    // joined it after this login began, and a new login brings it in.
    bool listedInGroup = false;
};

// A process that holds the device open.
struct HoldingProcess {
    int pid = 0;
    std::string name;  // from /proc/PID/comm; empty when it cannot be read

    friend bool operator==(const HoldingProcess&, const HoldingProcess&) = default;
};

// A rule of a udev rule file: where it stands.
struct RuleLine {
    std::filesystem::path file;
    int line = 0;
    // It lies in the administrator's own rule folder (/etc/udev/rules.d), where no other file
    // can mask it.
    bool inLocalFolder = false;

    friend bool operator==(const RuleLine&, const RuleLine&) = default;
};

struct ModemManagerFinding {
    std::filesystem::path installed;     // its program or its service file
    std::optional<RuleLine> ignoreRule;  // a rule that tells it to leave the adapter alone
};

struct PortDiagnosis {
    std::optional<NodeAccess> access;  // unknown when the node cannot be examined
    // Processes that hold the device open, this one left out; unknown when /proc cannot be read.
    // A process whose files cannot be read is skipped.
    std::optional<std::vector<HoldingProcess>> holders;
    // For a USB adapter only:
    std::optional<UsbAdapter> usb;           // the adapter diagnosed
    std::optional<RuleLine> seatAccessRule;  // a rule that gives it to the user at the screen
    std::vector<RuleLine> brlttyRules;       // brltty's rules that claim it
    // ModemManager, when it is installed and not masked.
    std::optional<ModemManagerFinding> modemManager;

    // The adapter's chip is one the package's udev rule covers (KnownUsbChips).
    bool CableChip() const { return usb && !usb->chip.empty(); }
    bool NoPermission() const { return access && !access->allowed; }
    bool Held() const { return holders && !holders->empty(); }
    bool ClaimedByBrltty() const { return !brlttyRules.empty(); }
    bool ModemManagerMayProbe() const { return modemManager && !modemManager->ignoreRule; }
    bool FoundProblems() const {
        return NoPermission() || Held() || ClaimedByBrltty() || ModemManagerMayProbe();
    }
};

// The diagnosis of each of `devices`, in their order; /proc and the rules are read once.
std::vector<PortDiagnosis> DiagnosePorts(
    const std::vector<SerialDevice>& devices, const SystemRoots& roots = {},
    const ProcessIdentity& identity = ProcessIdentity::ThisProcess());

PortDiagnosis DiagnosePort(const SerialDevice& device, const SystemRoots& roots = {},
                           const ProcessIdentity& identity = ProcessIdentity::ThisProcess());

}  // namespace qv
