// The serial devices as sysfs and /dev show them, read from small copies of a system's files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/core/port_mapping.h"
#include "link/core/serial_devices.h"
#include "link/core/system_tree.h"
#include "link/core/usb_chips.h"

namespace qv {
namespace {

using test::AdapterRows;
using test::BuiltInPortRows;
using test::SystemTree;
using test::TreeRow;
using test::UsbAdapterRows;

// Two CH340 cables, alike and without a serial number: udev gives only the last one plugged in
// the by-id name they would share.
const UsbAdapterRows kFirstCh340 = AdapterRows("ttyUSB0", "1a86", "7523", "1-2");
const UsbAdapterRows kSecondCh340 =
    AdapterRows("ttyUSB1", "1a86", "7523", "1-3", "usb-1a86_USB_Serial-if00-port0");
const UsbAdapterRows kFtdi = [] {
    UsbAdapterRows ftdi = AdapterRows("ttyUSB2", "0403", "6001", "1-4.1",
                                      "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    ftdi.serial = "A50285BI";
    ftdi.product = "FT232R USB UART";
    ftdi.driver = "ftdi_sio";
    return ftdi;
}();

std::vector<std::string> DevicesOf(const std::vector<SerialDevice>& devices) {
    std::vector<std::string> names;
    for (const SerialDevice& device : devices) names.push_back(device.device);
    return names;
}

TEST(SerialDevices, ACh340WithoutSerialNumberIsNamedByItsIdsAndSocket) {
    SystemTree tree;
    UsbAdapterRows ch340 = kFirstCh340;
    ch340.byId = "usb-1a86_USB_Serial-if00-port0";
    tree.Add(ch340.Rows());
    const std::vector<SerialDevice> devices = ListSerialDevices(tree.Roots());
    ASSERT_EQ(devices.size(), 1u);
    const SerialDevice& device = devices[0];
    EXPECT_EQ(device.device, tree.Path("dev/ttyUSB0"));
    EXPECT_EQ(device.byId, std::vector<std::string>{
                               tree.Path("dev/serial/by-id/usb-1a86_USB_Serial-if00-port0")});
    EXPECT_EQ(device.byPath, std::vector<std::string>{tree.Path(
                                 "dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0")});
    ASSERT_TRUE(device.usb);
    EXPECT_EQ(device.usb->vid, "1a86");
    EXPECT_EQ(device.usb->pid, "7523");
    EXPECT_EQ(device.usb->chip, "CH340/CH341");
    EXPECT_EQ(device.usb->serial, "");
    EXPECT_EQ(device.usb->product, "USB Serial");
    EXPECT_EQ(device.usb->manufacturer, "");
    EXPECT_EQ(device.usb->revision, "0264");
    EXPECT_EQ(device.usb->path, "1-2");
    EXPECT_EQ(device.usb->driver, "ch341");
}

TEST(SerialDevices, AnFtdiCarriesItsSerialNumberAndAnAcmDeviceIsItsOwnInterface) {
    SystemTree tree;
    UsbAdapterRows acm = AdapterRows("ttyACM0", "2341", "0043", "2-1");
    acm.driver = "cdc_acm";
    acm.acm = true;
    tree.Add({kFtdi.Rows(), acm.Rows()});
    const std::vector<SerialDevice> devices = ListSerialDevices(tree.Roots());
    ASSERT_EQ(DevicesOf(devices),
              (std::vector<std::string>{tree.Path("dev/ttyUSB2"), tree.Path("dev/ttyACM0")}));
    ASSERT_TRUE(devices[0].usb);
    EXPECT_EQ(devices[0].usb->chip, "FTDI FT232R");
    EXPECT_EQ(devices[0].usb->serial, "A50285BI");
    EXPECT_EQ(devices[0].usb->path, "1-4.1");
    EXPECT_EQ(devices[0].usb->driver, "ftdi_sio");
    EXPECT_EQ(devices[0].byId.size(), 1u);
    ASSERT_TRUE(devices[1].usb);
    EXPECT_EQ(devices[1].usb->vid, "2341");
    EXPECT_EQ(devices[1].usb->chip, "") << "a chip the tool does not know has no name";
    EXPECT_EQ(devices[1].usb->driver, "cdc_acm");
    EXPECT_EQ(devices[1].byPath.size(), 1u);
    EXPECT_TRUE(devices[1].byId.empty());
}

TEST(SerialDevices, IdenticalAdaptersWithoutSerialNumbersCanSwap) {
    SystemTree tree;
    UsbAdapterRows otherFtdi = kFtdi;
    otherFtdi.tty = "ttyUSB3";
    otherFtdi.serial = "A9KX2LQ1";
    otherFtdi.usbPath = "1-4.2";
    otherFtdi.byId = "usb-FTDI_FT232R_USB_UART_A9KX2LQ1-if00-port0";
    tree.Add({kFirstCh340.Rows(), kSecondCh340.Rows(), kFtdi.Rows(), otherFtdi.Rows()});
    const std::vector<SerialDevice> devices = ListSerialDevices(tree.Roots());
    ASSERT_EQ(devices.size(), 4u);
    EXPECT_TRUE(devices[0].byId.empty()) << "the shared by-id name went to the later one";
    EXPECT_EQ(devices[1].byId.size(), 1u);

    const auto groups = SwappableAdapters(devices);
    ASSERT_EQ(groups.size(), 1u) << "FTDI adapters with serial numbers of their own stay apart";
    EXPECT_EQ(DevicesOf(groups[0]),
              (std::vector<std::string>{tree.Path("dev/ttyUSB0"), tree.Path("dev/ttyUSB1")}));
}

TEST(SerialDevices, AdaptersSharingOneSerialNumberCanSwapButTheInterfacesOfOneCannot) {
    SystemTree tree;
    // Two cheap copies of an FTDI cable with the same serial number, and a dual adapter whose two
    // ports are interfaces of one USB device.
    UsbAdapterRows copy = kFtdi;
    copy.tty = "ttyUSB3";
    copy.usbPath = "1-4.2";
    const UsbAdapterRows dualA = AdapterRows("ttyUSB4", "0403", "6010", "1-5");
    UsbAdapterRows dualB = dualA;
    dualB.tty = "ttyUSB5";
    tree.Add({kFtdi.Rows(), copy.Rows(), dualA.Rows(), dualB.Rows()});
    const auto groups = SwappableAdapters(ListSerialDevices(tree.Roots()));
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(DevicesOf(groups[0]),
              (std::vector<std::string>{tree.Path("dev/ttyUSB2"), tree.Path("dev/ttyUSB3")}));
}

TEST(SerialDevices, BuiltInPortsWithoutAUartAreLeftOutUnlessNamed) {
    SystemTree tree;
    tree.Add({
        BuiltInPortRows("ttyS0", "4", "sys/devices/pnp0/00:05/00:05:0/00:05:0.0"),
        BuiltInPortRows("ttyS1", "0",
                        "sys/devices/platform/serial8250/serial8250:0/serial8250:0.1"),
        // A kernel that does not show the type: the placeholder device tells.
        BuiltInPortRows("ttyS2", "", "sys/devices/platform/serial8250"),
        BuiltInPortRows("ttyS10", "", "sys/devices/pnp0/00:06"),
        kFirstCh340.Rows(),
        // A virtual console: no device behind it.
        {{TreeRow::File, "sys/devices/virtual/tty/tty1/uevent", "DEVNAME=tty1\n"},
         {TreeRow::Link, "sys/class/tty/tty1", "sys/devices/virtual/tty/tty1"}},
    });
    EXPECT_EQ(DevicesOf(ListSerialDevices(tree.Roots())),
              (std::vector<std::string>{tree.Path("dev/ttyUSB0"), tree.Path("dev/ttyS0"),
                                        tree.Path("dev/ttyS10")}));
    const std::optional<SerialDevice> named = DescribeSerialDevice("ttyS1", tree.Roots());
    ASSERT_TRUE(named);
    EXPECT_EQ(named->device, tree.Path("dev/ttyS1"));
    EXPECT_FALSE(named->usb);
}

TEST(SerialDevices, ADeviceIsDescribedByAnyOfItsNames) {
    SystemTree tree;
    tree.Add({kSecondCh340.Rows(), kFtdi.Rows()});
    const std::string byPath = kFtdi.ByPath();
    const struct {
        std::string named;
        std::string device;  // empty: nothing by that name
    } cases[] = {
        {tree.Path("dev/ttyUSB2"), tree.Path("dev/ttyUSB2")},
        {tree.Path("dev/serial/by-id/") + kFtdi.byId, tree.Path("dev/ttyUSB2")},
        {tree.Path("dev/serial/by-path/") + byPath, tree.Path("dev/ttyUSB2")},
        {kFtdi.byId, tree.Path("dev/ttyUSB2")},
        {byPath, tree.Path("dev/ttyUSB2")},
        {"ttyUSB1", tree.Path("dev/ttyUSB1")},
        {"usb-nothing-if00-port0", ""},
        {tree.Path("dev/ttyUSB9"), ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named);
        const std::optional<SerialDevice> device = DescribeSerialDevice(c.named, tree.Roots());
        ASSERT_EQ(device.has_value(), !c.device.empty());
        if (!device) continue;
        EXPECT_EQ(device->device, c.device);
        ASSERT_TRUE(device->usb);
        EXPECT_FALSE(device->byPath.empty());
    }
}

// A file that is only named like an adapter's node is not that adapter.
TEST(SerialDevices, AFileNamedLikeADeviceIsNotIt) {
    SystemTree tree;
    tree.Add({kFirstCh340.Rows(), {{TreeRow::File, "elsewhere/ttyUSB0", ""}}});
    const std::optional<SerialDevice> device =
        DescribeSerialDevice(tree.Path("elsewhere/ttyUSB0"), tree.Roots());
    ASSERT_TRUE(device);
    EXPECT_EQ(device->device, tree.Path("elsewhere/ttyUSB0"));
    EXPECT_FALSE(device->usb);
    EXPECT_TRUE(device->byPath.empty());
}

// A pseudo-terminal linked under by-id: described by the link's target, with the link.
TEST(SerialDevices, ALinkToADeviceOutsideDevStillNamesIt) {
    SystemTree tree;
    tree.Add({{TreeRow::File, "pts/7", ""},
              {TreeRow::Link, "dev/serial/by-id/usb-virtual-radio", "pts/7"}});
    const std::optional<SerialDevice> device =
        DescribeSerialDevice("usb-virtual-radio", tree.Roots());
    ASSERT_TRUE(device);
    EXPECT_EQ(device->device, tree.Path("pts/7"));
    EXPECT_EQ(device->byId,
              std::vector<std::string>{tree.Path("dev/serial/by-id/usb-virtual-radio")});
}

TEST(SerialDevices, MissingFoldersShowNoDevicesAndNoError) {
    SystemTree tree;
    EXPECT_TRUE(ListSerialDevices(tree.Roots()).empty());
    EXPECT_FALSE(DescribeSerialDevice("ttyUSB0", tree.Roots()));
    EXPECT_FALSE(DescribeSerialDevice("usb-1a86_USB_Serial-if00-port0", tree.Roots()));
    // sysfs without the USB device's files: a tty without an adapter, not an error.
    tree.Add(BuiltInPortRows("ttyUSB0", "", "sys/devices/pci0000:00/usb1/1-2/1-2:1.0/ttyUSB0"));
    const std::vector<SerialDevice> devices = ListSerialDevices(tree.Roots());
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_FALSE(devices[0].usb);
}

TEST(SerialDevices, ComNumbersFollowTheListAndTheEnvironment) {
    SystemTree tree;
    tree.Add({kFirstCh340.Rows(), kSecondCh340.Rows(),
              BuiltInPortRows("ttyS0", "4", "sys/devices/pnp0/00:05")});
    const std::vector<SerialDevice> devices = ListSerialDevices(tree.Roots());
    ASSERT_EQ(devices.size(), 3u);
    PortLookup lookup;
    lookup.devices = DevicesOf(devices);
    // COM5 names the first cable by its socket, as `ports` suggests.
    const std::string byPath = kFirstCh340.ByPath();
    lookup.environment = [&](const std::string& variable) -> std::optional<std::string> {
        if (variable == "QV7100_COM5") return byPath;
        return std::nullopt;
    };
    EXPECT_EQ(ComPortsOf(devices[0], lookup, tree.Roots()), (std::vector<int>{1, 5}));
    EXPECT_EQ(ComPortsOf(devices[1], lookup, tree.Roots()), (std::vector<int>{2}));
    EXPECT_EQ(ComPortsOf(devices[2], lookup, tree.Roots()), (std::vector<int>{3}));
}

TEST(PortNames, AStableNameIsLookedUpUnderDevSerial) {
    SystemTree tree;
    tree.Add({kSecondCh340.Rows()});
    const std::string dev = tree.Path("dev");
    const std::string byPath = kSecondCh340.ByPath();
    const struct {
        std::string text;
        std::string path;
    } cases[] = {
        {kSecondCh340.byId, dev + "/serial/by-id/" + kSecondCh340.byId},
        {byPath, dev + "/serial/by-path/" + byPath},
        {"COM1", "COM1"},
        {"ttyUSB1", "ttyUSB1"},  // a name under /dev: the serial port takes it as it is
        {"usb-unknown", "usb-unknown"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"..", ".."},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DevicePathOfName(c.text, dev), c.path);
    }
}

TEST(UsbChips, EachChipIsNamedByItsIds) {
    const struct {
        const char* vid;
        const char* pid;
        const char* chip;
    } cases[] = {
        {"1a86", "7523", "CH340/CH341"},
        {"1a86", "5523", "CH340/CH341"},
        {"067b", "2303", "PL2303"},
        {"067b", "23a3", "PL2303GC"},
        {"10c4", "ea60", "CP210x"},
        {"0403", "6001", "FTDI FT232R"},
        {"0403", "6015", "FTDI FT-X"},
        {"2341", "0043", ""},
        {"1A86", "7523", ""},  // sysfs writes lower case; nothing else is an id
    };
    for (const auto& c : cases) EXPECT_EQ(UsbChipName(c.vid, c.pid), c.chip) << c.vid << c.pid;
}

}  // namespace
}  // namespace qv
