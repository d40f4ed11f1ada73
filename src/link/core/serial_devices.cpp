#include "link/core/serial_devices.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <tuple>

#include "link/core/system_files.h"
#include "link/core/usb_chips.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

// The links of /dev/serial/by-id and by-path, each with the node it leads to.
struct StableLink {
    std::string path;
    fs::path target;
};

struct StableNames {
    std::vector<StableLink> byId;
    std::vector<StableLink> byPath;
};

std::vector<StableLink> LinksIn(const fs::path& folder) {
    std::vector<StableLink> links;
    for (const fs::path& entry : FolderEntries(folder)) {
        std::error_code error;
        if (!fs::is_symlink(entry, error)) continue;
        if (const std::optional<fs::path> target = LinkTarget(entry)) {
            links.push_back({entry.string(), *target});
        }
    }
    return links;
}

StableNames ReadStableNames(const fs::path& dev) {
    return {LinksIn(dev / "serial" / "by-id"), LinksIn(dev / "serial" / "by-path")};
}

std::vector<std::string> NamesOf(const std::vector<StableLink>& links, const fs::path& node) {
    std::vector<std::string> names;
    for (const StableLink& link : links) {
        if (link.target == node) names.push_back(link.path);
    }
    return names;
}

// The nearest folder above the tty's device that is a USB device (it has idVendor and idProduct),
// and the USB interface below it that the tty belongs to.
std::optional<UsbAdapter> UsbAdapterOf(const fs::path& tty, const fs::path& sys) {
    const std::optional<fs::path> device = Resolved(tty / "device");
    const std::optional<fs::path> top = Resolved(sys);
    if (!device || !top) return std::nullopt;
    fs::path below;
    for (fs::path at = *device; IsWithin(at, *top) && at != at.parent_path();
         below = at, at = at.parent_path()) {
        const std::string vid = FirstLine(at / "idVendor");
        const std::string pid = FirstLine(at / "idProduct");
        if (vid.empty() || pid.empty()) continue;
        UsbAdapter usb;
        usb.vid = LowerCase(vid);
        usb.pid = LowerCase(pid);
        usb.chip = std::string(UsbChipName(usb.vid, usb.pid));
        usb.serial = FirstLine(at / "serial");
        usb.manufacturer = FirstLine(at / "manufacturer");
        usb.product = FirstLine(at / "product");
        usb.revision = LowerCase(FirstLine(at / "bcdDevice"));
        usb.path = at.filename().string();
        if (!below.empty()) {
            if (const std::optional<fs::path> driver = Resolved(below / "driver")) {
                usb.driver = driver->filename().string();
            }
        }
        return usb;
    }
    return std::nullopt;
}

// A tty of the kernel's own (a virtual console, the pseudo-terminal master) has no device behind
// it.
bool HasDeviceBehind(const fs::path& tty) {
    std::error_code error;
    return fs::exists(tty / "device", error);
}

// The 8250 driver keeps ports for UARTs that may not be there: their type reads 0 (no UART
// found). Kernels without the type attribute hang them all under the "serial8250" platform
// device, where a port found on the board hangs under its own (pnp, ACPI) device.
bool IsUartWithoutHardware(const fs::path& tty) {
    if (const std::string type = FirstLine(tty / "type"); !type.empty()) return type == "0";
    const std::optional<fs::path> device = Resolved(tty / "device");
    if (!device) return false;
    return std::any_of(device->begin(), device->end(), [](const fs::path& part) {
        return part.string().starts_with("serial8250");
    });
}

// The device node of the tty folder `tty`: the name the kernel gives it (DEVNAME) under /dev.
fs::path NodeOf(const fs::path& tty, const fs::path& dev) {
    std::string name = UeventValue(tty / "uevent", "DEVNAME");
    if (name.empty()) name = tty.filename().string();
    return dev / name;
}

SerialDevice Describe(const fs::path& node, const fs::path& tty, const SystemRoots& roots,
                      const StableNames& names) {
    SerialDevice device;
    device.device = node.string();
    const fs::path target = Resolved(node).value_or(node.lexically_normal());
    device.byId = NamesOf(names.byId, target);
    device.byPath = NamesOf(names.byPath, target);
    if (!tty.empty()) device.usb = UsbAdapterOf(tty, roots.sys);
    return device;
}

}  // namespace

bool SerialDevice::IsNamed(const std::string& path) const {
    return path == device || std::find(byId.begin(), byId.end(), path) != byId.end() ||
           std::find(byPath.begin(), byPath.end(), path) != byPath.end();
}

bool HasHardwareBehind(const std::string& device, const SystemRoots& roots) {
    const fs::path tty = roots.sys / "class" / "tty" / fs::path(device).filename();
    std::error_code error;
    return !fs::exists(tty, error) || !IsUartWithoutHardware(tty);
}

std::vector<SerialDevice> ListSerialDevices(const SystemRoots& roots) {
    const StableNames names = ReadStableNames(roots.dev);
    std::map<std::string, SerialDevice> found;
    for (const fs::path& tty : FolderEntries(roots.sys / "class" / "tty")) {
        if (!HasDeviceBehind(tty) || IsUartWithoutHardware(tty)) continue;
        SerialDevice device = Describe(NodeOf(tty, roots.dev), tty, roots, names);
        found.emplace(device.device, std::move(device));
    }
    std::vector<std::string> nodes;
    for (const auto& [node, device] : found) nodes.push_back(node);
    std::vector<SerialDevice> devices;
    for (const std::string& node : OrderSerialDevices(nodes)) devices.push_back(found.at(node));
    return devices;
}

std::optional<SerialDevice> DescribeSerialDevice(const std::string& device,
                                                 const SystemRoots& roots) {
    if (device.empty()) return std::nullopt;
    fs::path path = DevicePathOfName(device, roots.dev);
    if (!path.has_parent_path()) path = roots.dev / path;  // "ttyUSB0"
    const std::optional<fs::path> target = Resolved(path);
    if (!target) return std::nullopt;
    const StableNames names = ReadStableNames(roots.dev);
    // The tty of the same name is this device only when its node is this one: a file elsewhere
    // named ttyUSB0 is not the adapter. The name as given comes first (a node that is itself a
    // link, as on a copy of a system), then the name the links lead to (a by-id name).
    for (const fs::path& name : {path.filename(), target->filename()}) {
        const fs::path tty = roots.sys / "class" / "tty" / name;
        if (std::error_code error; !fs::exists(tty, error) || !HasDeviceBehind(tty)) continue;
        const fs::path node = NodeOf(tty, roots.dev);
        if (Resolved(node) == target) return Describe(node, tty, roots, names);
    }
    // A device without a tty of its own (a pseudo-terminal): the path as named, links resolved.
    const std::optional<fs::path> dev = Resolved(roots.dev);
    fs::path node = *target;
    if (dev && IsWithin(*target, *dev)) node = roots.dev / target->lexically_relative(*dev);
    return Describe(node, {}, roots, names);
}

std::vector<int> ComPortsOf(const SerialDevice& device, const PortLookup& lookup,
                            const SystemRoots& roots) {
    const std::optional<fs::path> node = Resolved(device.device);
    std::vector<int> ports;
    for (int port = 1; port <= kPortCount; ++port) {
        const std::string named = ResolveComPort(port, lookup);
        if (named.empty()) continue;
        const std::string path = DevicePathOfName(named, roots.dev);
        if (device.IsNamed(path) || (node && Resolved(path) == node)) ports.push_back(port);
    }
    return ports;
}

std::vector<std::vector<SerialDevice>> SwappableAdapters(const std::vector<SerialDevice>& devices) {
    // Alike: the same ids and the same serial number, none being one.
    using Likeness = std::tuple<std::string, std::string, std::string>;
    std::vector<Likeness> order;
    std::map<Likeness, std::vector<SerialDevice>> alike;
    for (const SerialDevice& device : devices) {
        if (!device.usb) continue;
        const Likeness key = {device.usb->vid, device.usb->pid, device.usb->serial};
        if (!alike.contains(key)) order.push_back(key);
        alike[key].push_back(device);
    }
    std::vector<std::vector<SerialDevice>> groups;
    for (const Likeness& key : order) {
        std::set<std::string> adapters;
        for (const SerialDevice& device : alike[key]) adapters.insert(device.usb->path);
        if (adapters.size() >= 2) groups.push_back(alike[key]);
    }
    return groups;
}

}  // namespace qv
