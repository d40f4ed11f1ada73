#include "link/core/port_diagnosis.h"

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string_view>

#include "link/core/system_files.h"
#include "link/core/udev_rules.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr unsigned kReadWrite = 06;

// ---- Permissions ----------------------------------------------------------------------------

// An entry of a POSIX access list as Linux keeps it in the "system.posix_acl_access" attribute:
// after a 4-byte version (2), entries of a 2-byte tag, 2-byte permissions and 4-byte id, all
// little-endian.
struct AclEntry {
    unsigned tag = 0;
    unsigned perm = 0;
    unsigned id = 0;
};

enum AclTag : unsigned {
    kAclUserObj = 0x01,
    kAclUser = 0x02,
    kAclGroupObj = 0x04,
    kAclGroup = 0x08,
    kAclMask = 0x10,
    kAclOther = 0x20,
};

constexpr std::size_t kAclHeaderBytes = 4;
constexpr std::size_t kAclEntryBytes = 8;
constexpr unsigned kAclVersion = 2;

unsigned LittleEndian(const unsigned char* bytes, std::size_t count) {
    unsigned value = 0;
    for (std::size_t i = count; i-- > 0;) value = value << 8 | bytes[i];
    return value;
}

// The node's access list; empty when it has none (udev's uaccess gives one to the user at the
// screen).
std::vector<AclEntry> AccessList(const fs::path& node) {
    unsigned char bytes[1024];
    const ssize_t size = ::getxattr(node.c_str(), "system.posix_acl_access", bytes, sizeof bytes);
    if (size < static_cast<ssize_t>(kAclHeaderBytes) ||
        LittleEndian(bytes, kAclHeaderBytes) != kAclVersion) {
        return {};
    }
    std::vector<AclEntry> entries;
    for (std::size_t at = kAclHeaderBytes; at + kAclEntryBytes <= static_cast<std::size_t>(size);
         at += kAclEntryBytes) {
        entries.push_back({LittleEndian(bytes + at, 2), LittleEndian(bytes + at + 2, 2),
                           LittleEndian(bytes + at + 4, 4)});
    }
    return entries;
}

bool InGroups(const ProcessIdentity& identity, unsigned group) {
    return std::find(identity.groups.begin(), identity.groups.end(), group) !=
           identity.groups.end();
}

bool ReadsAndWrites(unsigned permissions) {
    return (permissions & kReadWrite) == kReadWrite;
}

// The kernel's check of read and write access (POSIX.1e, with an access list when there is one).
bool MayOpen(const ProcessIdentity& identity, const struct stat& node,
             const std::vector<AclEntry>& acl) {
    if (identity.uid == 0) return true;
    if (identity.uid == node.st_uid) return ReadsAndWrites(node.st_mode >> 6);
    if (acl.empty()) {
        return ReadsAndWrites(InGroups(identity, node.st_gid) ? node.st_mode >> 3 : node.st_mode);
    }
    unsigned mask = 07;
    for (const AclEntry& entry : acl) {
        if (entry.tag == kAclMask) mask = entry.perm;
    }
    for (const AclEntry& entry : acl) {
        if (entry.tag == kAclUser && entry.id == identity.uid) {
            return ReadsAndWrites(entry.perm & mask);
        }
    }
    bool groupMatched = false;
    for (const AclEntry& entry : acl) {
        const bool group = (entry.tag == kAclGroupObj && InGroups(identity, node.st_gid)) ||
                           (entry.tag == kAclGroup && InGroups(identity, entry.id));
        if (!group) continue;
        if (ReadsAndWrites(entry.perm & mask)) return true;
        groupMatched = true;
    }
    if (groupMatched) return false;
    for (const AclEntry& entry : acl) {
        if (entry.tag == kAclOther) return ReadsAndWrites(entry.perm);
    }
    return false;
}

// The fields of the line of a passwd or group file whose third field is `id`; none without one.
std::vector<std::string> AccountLine(const fs::path& file, unsigned id) {
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string field; std::getline(parts, field, ':');) fields.push_back(field);
        if (fields.size() >= 3 && fields[2] == std::to_string(id)) return fields;
    }
    return {};
}

NodeAccess AccessOf(const struct stat& node, const std::vector<AclEntry>& acl,
                    const ProcessIdentity& identity, const fs::path& etc) {
    NodeAccess access;
    access.allowed = MayOpen(identity, node, acl);
    access.ownerId = node.st_uid;
    access.groupId = node.st_gid;
    access.mode = node.st_mode & 07777;
    const std::vector<std::string> owner = AccountLine(etc / "passwd", access.ownerId);
    access.owner = owner.empty() ? std::to_string(access.ownerId) : owner[0];
    const std::vector<std::string> group = AccountLine(etc / "group", access.groupId);
    access.group = group.empty() ? std::to_string(access.groupId) : group[0];
    access.groupOpensIt = ReadsAndWrites(access.mode >> 3);
    access.inGroup = InGroups(identity, access.groupId);
    // The user's name and own group, and the group's members, as the system's files list them.
    const std::vector<std::string> user = AccountLine(etc / "passwd", identity.uid);
    if (!user.empty()) {
        if (user.size() >= 4 && user[3] == std::to_string(access.groupId)) {
            access.listedInGroup = true;
        }
        if (group.size() >= 4) {
            std::istringstream members(group[3]);
            for (std::string member; std::getline(members, member, ',');) {
                if (member == user[0]) access.listedInGroup = true;
            }
        }
    }
    return access;
}

std::optional<NodeAccess> NodeAccessOf(const fs::path& node, const ProcessIdentity& identity,
                                       const fs::path& etc) {
    struct stat info {};
    if (::stat(node.c_str(), &info) != 0) return std::nullopt;
    return AccessOf(info, AccessList(node), identity, etc);
}

// ---- Processes that hold a device -----------------------------------------------------------

// A file as the kernel tells it apart: the same inode, or for a device the same device number
// (another /dev, a container's, shows the same device under another inode).
struct NodeId {
    dev_t device = 0;
    ino_t inode = 0;
    dev_t rdev = 0;
    bool isDevice = false;

    bool Same(const NodeId& other) const {
        if (isDevice && other.isDevice) return rdev == other.rdev;
        return device == other.device && inode == other.inode;
    }
};

std::optional<NodeId> IdOf(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    const bool isDevice = S_ISCHR(info.st_mode);
    return NodeId{info.st_dev, info.st_ino, isDevice ? info.st_rdev : 0, isDevice};
}

bool IsNumber(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A device node the scan looks for: how the kernel tells it apart, and its name.
struct WatchedNode {
    std::optional<NodeId> id;  // none when it cannot be examined
    std::string name;          // "ttyUSB0", links resolved
};

// The name the link `link` leads to ("ttyUSB0" of "/dev/ttyUSB0"); empty when it is no link.
std::string LinkName(const fs::path& link) {
    char target[4096];
    const ssize_t size = ::readlink(link.c_str(), target, sizeof target);
    if (size <= 0) return {};
    const std::string_view text(target, static_cast<std::size_t>(size));
    return std::string(text.substr(text.rfind('/') + 1));
}

// For each node, the processes holding it open; none when /proc shows no process at all.
std::optional<std::vector<std::vector<HoldingProcess>>> HoldersOf(
    const std::vector<WatchedNode>& nodes, const fs::path& proc, int self) {
    std::vector<std::vector<HoldingProcess>> holders(nodes.size());
    bool sawProcess = false;
    for (const fs::path& process : FolderEntries(proc)) {
        const std::string pid = process.filename().string();
        if (!IsNumber(pid)) continue;
        sawProcess = true;
        if (pid == std::to_string(self)) continue;
        for (const fs::path& descriptor : FolderEntries(process / "fd")) {
            // The kernel names an open file by the path it resolved to, so a descriptor whose
            // name is no watched node's (a socket, a pipe, another file) needs no closer look.
            const std::string name = LinkName(descriptor);
            if (std::none_of(nodes.begin(), nodes.end(),
                             [&](const WatchedNode& node) { return node.name == name; })) {
                continue;
            }
            const std::optional<NodeId> open = IdOf(descriptor);
            if (!open) continue;
            for (std::size_t i = 0; i < nodes.size(); ++i) {
                if (!nodes[i].id || !nodes[i].id->Same(*open)) continue;
                const HoldingProcess holder{std::stoi(pid), FirstLine(process / "comm")};
                if (std::find(holders[i].begin(), holders[i].end(), holder) == holders[i].end()) {
                    holders[i].push_back(holder);
                }
            }
        }
    }
    if (!sawProcess) return std::nullopt;
    return holders;
}

// ---- Rules and services ---------------------------------------------------------------------

struct RuleInForce {
    UdevRule rule;
    RuleLine where;
    bool brltty = false;  // one of the braille-display service's rule files
};

std::vector<RuleInForce> RulesInForce(const std::vector<fs::path>& folders) {
    std::vector<RuleInForce> rules;
    for (const fs::path& file : RuleFilesInEffect(folders)) {
        const bool local = !folders.empty() && file.parent_path() == folders.front();
        const bool brltty = file.filename().string().find("brltty") != std::string::npos;
        for (UdevRule& rule : ReadRules(file)) {
            const RuleLine where{file, rule.line, local};
            rules.push_back({std::move(rule), where, brltty});
        }
    }
    return rules;
}

std::optional<fs::path> FirstPresent(const std::vector<fs::path>& folders,
                                     const std::string& name) {
    for (const fs::path& folder : folders) {
        std::error_code error;
        if (fs::exists(fs::symlink_status(folder / name, error))) return folder / name;
    }
    return std::nullopt;
}

// ModemManager's program or service file; none when neither is there or the service is masked.
std::optional<fs::path> ModemManagerInstalled(const SystemRoots& roots) {
    const std::optional<fs::path> service =
        FirstPresent(roots.serviceFolders, "ModemManager.service");
    if (service) {
        std::error_code error;
        if (fs::is_symlink(*service, error) && fs::read_symlink(*service, error) == "/dev/null") {
            return std::nullopt;
        }
    }
    if (const std::optional<fs::path> program =
            FirstPresent(roots.programFolders, "ModemManager")) {
        return program;
    }
    return service;
}

void DiagnoseAdapter(PortDiagnosis& diagnosis, const UsbAdapter& usb,
                     const std::vector<RuleInForce>& rules,
                     const std::optional<fs::path>& modemManager) {
    diagnosis.usb = usb;
    std::optional<RuleLine> ignoreRule;
    for (const RuleInForce& rule : rules) {
        if (!rule.rule.ClaimsUsb(usb)) continue;
        if (rule.brltty) diagnosis.brlttyRules.push_back(rule.where);
        if (!diagnosis.seatAccessRule && rule.rule.Assigns("TAG", "uaccess")) {
            diagnosis.seatAccessRule = rule.where;
        }
        // The name older ModemManagers read counts as well.
        if (!ignoreRule && (rule.rule.Assigns("ENV{ID_MM_DEVICE_IGNORE}", "1") ||
                            rule.rule.Assigns("ENV{ID_MM_TTY_BLACKLIST}", "1"))) {
            ignoreRule = rule.where;
        }
    }
    if (modemManager) diagnosis.modemManager = ModemManagerFinding{*modemManager, ignoreRule};
}

}  // namespace

ProcessIdentity ProcessIdentity::ThisProcess() {
    ProcessIdentity identity;
    identity.pid = static_cast<int>(::getpid());
    identity.uid = ::geteuid();
    identity.groups.push_back(::getegid());
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> groups(static_cast<std::size_t>(count));
        const int got = ::getgroups(count, groups.data());
        for (int i = 0; i < got; ++i) identity.groups.push_back(groups[i]);
    }
    return identity;
}

std::vector<PortDiagnosis> DiagnosePorts(const std::vector<SerialDevice>& devices,
                                         const SystemRoots& roots,
                                         const ProcessIdentity& identity) {
    std::vector<PortDiagnosis> diagnoses(devices.size());
    std::vector<WatchedNode> nodes;
    for (const SerialDevice& device : devices) {
        const std::optional<fs::path> resolved = Resolved(device.device);
        nodes.push_back({IdOf(device.device), resolved ? resolved->filename().string() : ""});
    }
    const auto holders = HoldersOf(nodes, roots.proc, identity.pid);
    const bool anyAdapter = std::any_of(devices.begin(), devices.end(),
                                        [](const SerialDevice& device) { return device.usb; });
    const std::vector<RuleInForce> rules =
        anyAdapter ? RulesInForce(roots.ruleFolders) : std::vector<RuleInForce>{};
    const std::optional<fs::path> modemManager =
        anyAdapter ? ModemManagerInstalled(roots) : std::nullopt;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        PortDiagnosis& diagnosis = diagnoses[i];
        diagnosis.access = NodeAccessOf(devices[i].device, identity, roots.etc);
        if (holders && nodes[i].id) diagnosis.holders = (*holders)[i];
        if (devices[i].usb) DiagnoseAdapter(diagnosis, *devices[i].usb, rules, modemManager);
    }
    return diagnoses;
}

PortDiagnosis DiagnosePort(const SerialDevice& device, const SystemRoots& roots,
                           const ProcessIdentity& identity) {
    return DiagnosePorts({device}, roots, identity).front();
}

}  // namespace qv
