// A small copy of a system's files in a temporary folder, built from a table of rows: sysfs
// folders, files and links, device nodes (plain files) and their /dev/serial links, /proc entries,
// udev rule files, installed programs. SystemRoots::Under(Root()) reads it as the system.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "link/core/system_roots.h"

namespace qv::test {

namespace fs = std::filesystem;

// A file with its text, a symbolic link with its target, or a folder. A link's target that begins
// with "/" is taken as it is; any other is a path in the tree, made into a relative link as udev
// and sysfs make theirs.
struct TreeRow {
    enum Kind { File, Link, Folder } kind;
    std::string path;
    std::string value;
};

using TreeRows = std::vector<TreeRow>;

// A USB serial adapter as sysfs and udev show it: its USB device, the interface, the tty, the
// node and the /dev/serial links (a by-id link only when `byId` is given).
struct UsbAdapterRows {
    std::string tty = "ttyUSB0";
    std::string vid = "1a86";
    std::string pid = "7523";
    std::string serial;  // none when empty
    std::string product = "USB Serial";
    std::string usbPath = "1-2";  // bus 1, port 2
    std::string driver = "ch341";
    std::string byId;  // e.g. "usb-1a86_USB_Serial-if00-port0"

    // An adapter that is its own tty (cdc_acm) rather than a usb-serial port below it.
    bool acm = false;

    std::string ByPath() const {
        return "pci-0000:00:14.0-usb-0:" + usbPath.substr(usbPath.find('-') + 1) + ":1.0" +
               (acm ? "" : "-port0");
    }

    TreeRows Rows() const {
        const std::string usb = "sys/devices/pci0000:00/0000:00:14.0/usb1/" + usbPath;
        const std::string interface = usb + "/" + usbPath + ":1.0";
        const std::string port = acm ? interface : interface + "/" + tty;
        const std::string ttyFolder = port + "/tty/" + tty;
        TreeRows rows = {
            {TreeRow::File, usb + "/idVendor", vid},
            {TreeRow::File, usb + "/idProduct", pid},
            {TreeRow::File, usb + "/bcdDevice", "0264"},
            {TreeRow::File, usb + "/product", product},
            {TreeRow::Folder, "sys/bus/usb/drivers/" + driver, ""},
            {TreeRow::Link, interface + "/driver", "sys/bus/usb/drivers/" + driver},
            {TreeRow::File, ttyFolder + "/uevent", "MAJOR=188\nMINOR=0\nDEVNAME=" + tty + "\n"},
            {TreeRow::Link, ttyFolder + "/device", port},
            {TreeRow::Link, "sys/class/tty/" + tty, ttyFolder},
            {TreeRow::File, "dev/" + tty, ""},
            {TreeRow::Link, "dev/serial/by-path/" + ByPath(), "dev/" + tty},
        };
        if (!serial.empty()) rows.push_back({TreeRow::File, usb + "/serial", serial});
        if (!byId.empty())
            rows.push_back({TreeRow::Link, "dev/serial/by-id/" + byId, "dev/" + tty});
        return rows;
    }
};

// An adapter of `vid`:`pid` on `tty`, plugged into the USB socket `usbPath`, its other values
// those of a CH340 without a serial number.
inline UsbAdapterRows AdapterRows(const std::string& tty, const std::string& vid,
                                  const std::string& pid, const std::string& usbPath,
                                  const std::string& byId = "") {
    UsbAdapterRows rows;
    rows.tty = tty;
    rows.vid = vid;
    rows.pid = pid;
    rows.usbPath = usbPath;
    rows.byId = byId;
    return rows;
}

// A built-in port: `type` is what sysfs says of its UART ("4" a 16550A, "0" none found; empty
// for a kernel without the attribute), `device` the folder it hangs under.
inline TreeRows BuiltInPortRows(const std::string& tty, const std::string& type,
                                const std::string& device) {
    const std::string folder = device + "/tty/" + tty;
    TreeRows rows = {
        {TreeRow::File, folder + "/uevent", "DEVNAME=" + tty + "\n"},
        {TreeRow::Link, folder + "/device", device},
        {TreeRow::Link, "sys/class/tty/" + tty, folder},
        {TreeRow::File, "dev/" + tty, ""},
    };
    if (!type.empty()) rows.push_back({TreeRow::File, folder + "/type", type});
    return rows;
}

// A process with its name and the files it holds open (paths in the tree).
inline TreeRows ProcessRows(int pid, const std::string& name,
                            const std::vector<std::string>& openFiles) {
    const std::string folder = "proc/" + std::to_string(pid);
    TreeRows rows = {{TreeRow::File, folder + "/comm", name + "\n"},
                     {TreeRow::Folder, folder + "/fd", ""}};
    int descriptor = 3;
    for (const std::string& file : openFiles) {
        rows.push_back({TreeRow::Link, folder + "/fd/" + std::to_string(descriptor++), file});
    }
    return rows;
}

class SystemTree {
  public:
    SystemTree() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() / ("qv-system-" + std::to_string(::getpid()) + "-" +
                                             test->test_suite_name() + "-" + test->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    ~SystemTree() {
        std::error_code error;
        fs::remove_all(root_, error);
    }
    SystemTree(const SystemTree&) = delete;
    SystemTree& operator=(const SystemTree&) = delete;

    const fs::path& Root() const { return root_; }
    SystemRoots Roots() const { return SystemRoots::Under(root_); }
    // A path of the tree as the readers name it: "dev/ttyUSB0" -> "<root>/dev/ttyUSB0".
    std::string Path(const std::string& path) const { return (root_ / path).string(); }

    // A file of the source tree as it is, to lay into the tree.
    static std::string ReadSource(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    void Add(const TreeRows& rows) {
        for (const TreeRow& row : rows) Add(row);
    }
    void Add(std::initializer_list<TreeRows> tables) {
        for (const TreeRows& rows : tables) Add(rows);
    }

  private:
    void Add(const TreeRow& row) {
        const fs::path path = root_ / row.path;
        fs::create_directories(row.kind == TreeRow::Folder ? path : path.parent_path());
        switch (row.kind) {
            case TreeRow::File:
                fs::remove(path);  // a link it replaces, not the file the link leads to
                std::ofstream(path, std::ios::binary) << row.value;
                break;
            case TreeRow::Link: {
                const fs::path target =
                    row.value.starts_with("/")
                        ? fs::path(row.value)
                        : (root_ / row.value).lexically_relative(path.parent_path());
                fs::remove(path);
                fs::create_symlink(target, path);
                break;
            }
            case TreeRow::Folder:
                break;
        }
    }

    fs::path root_;
};

}  // namespace qv::test
