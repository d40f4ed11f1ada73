// The serial devices of the system as sysfs and /dev show them: the device node, its stable names
// under /dev/serial, and for a USB adapter its ids, chip, serial number and the USB socket it is
// plugged into. Only files are read, never another program run; a file or folder that is missing
// leaves what it would tell unknown (empty), never an error.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "link/core/port_mapping.h"
#include "link/core/system_roots.h"

namespace qv {

// The USB adapter behind a serial device: its USB device's attributes in sysfs.
struct UsbAdapter {
    std::string vid;     // "1a86": four lower-case hexadecimal digits (idVendor)
    std::string pid;     // "7523" (idProduct)
    std::string chip;    // "CH340/CH341" (UsbChipName); empty for a chip the tool does not know
    std::string serial;  // the adapter's own serial number; empty when it has none
    std::string manufacturer;  // as the adapter names itself; empty when it does not
    std::string product;
    std::string revision;  // the device release, "0264" (bcdDevice); empty when unknown
    std::string path;      // the USB path, bus then ports: "1-1.2"; it follows the socket
    std::string driver;    // the kernel driver of the serial interface: "ch341", "cdc_acm"
};

struct SerialDevice {
    std::string device;               // the device node: "/dev/ttyUSB0"
    std::vector<std::string> byId;    // links to it under /dev/serial/by-id, full paths
    std::vector<std::string> byPath;  // links to it under /dev/serial/by-path, full paths
    std::optional<UsbAdapter> usb;    // none for a built-in port, a pseudo-terminal, ...

    // The device under any of its names: the node, a by-id or a by-path link.
    bool IsNamed(const std::string& path) const;
};

// Every serial device with hardware behind it, in the order COMn counts them (OrderSerialDevices).
// A built-in port (ttyS*) the kernel keeps without a UART behind it is left out.
std::vector<SerialDevice> ListSerialDevices(const SystemRoots& roots = {});

// The device `device` names: a device path or a link to one (/dev/serial/by-id/...), a name as
// listed under /dev/serial/by-id or by-path, or a name under /dev ("ttyUSB0"). A built-in port
// without a UART is described too when named. None when nothing by that name exists.
std::optional<SerialDevice> DescribeSerialDevice(const std::string& device,
                                                 const SystemRoots& roots = {});

// False for a built-in port the kernel keeps without a UART behind it ("/dev/ttyS3" whose type
// reads 0); true for any other device, and where sysfs says nothing of it.
bool HasHardwareBehind(const std::string& device, const SystemRoots& roots = {});

// The COM numbers (1..8) that stand for `device` under `lookup` (ResolveComPort), whose devices
// are the list's; a QV7100_COMn variable may name it by any of its names. Empty when none does.
std::vector<int> ComPortsOf(const SerialDevice& device, const PortLookup& lookup,
                            const SystemRoots& roots = {});

// Adapters whose COM numbers and device names can swap after a replug: two or more USB adapters
// alike in vendor and product id that carry no serial number of their own (or the same one), so
// that nothing but the USB socket tells them apart. Each group in the order of `devices`; the
// interfaces of one adapter (a dual FTDI) count as one adapter and keep their order.
std::vector<std::vector<SerialDevice>> SwappableAdapters(const std::vector<SerialDevice>& devices);

}  // namespace qv
