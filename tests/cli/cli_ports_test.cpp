// qv7100-cli ports, and the stable device names everywhere a device is named, run as a program
// against small copies of a system's files (QV7100_SYSTEM_ROOT) and a virtual radio.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdlib>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "image/image_codec.h"
#include "link/core/system_tree.h"
#include "rules/program/startup.h"
#include "sim/pty_server.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

using test::AdapterRows;
using test::BuiltInPortRows;
using test::CliResult;
using test::ProcessRows;
using test::SystemTree;
using test::TreeRow;
using test::TreeRows;
using test::UsbAdapterRows;

const UsbAdapterRows kFirstCh340 = AdapterRows("ttyUSB0", "1a86", "7523", "1-2");
const UsbAdapterRows kSecondCh340 =
    AdapterRows("ttyUSB1", "1a86", "7523", "1-3", "usb-1a86_USB_Serial-if00-port0");
const UsbAdapterRows kFtdi = [] {
    UsbAdapterRows ftdi = AdapterRows("ttyUSB2", "0403", "6001", "1-4",
                                      "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    ftdi.serial = "A50285BI";
    ftdi.driver = "ftdi_sio";
    return ftdi;
}();

// The cells of a line of a table: the texts between runs of two or more spaces.
std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t at = 0;
    while (at < line.size()) {
        std::size_t gap = line.find("  ", at);
        if (gap == std::string::npos) gap = line.size();
        cells.push_back(line.substr(at, gap - at));
        at = line.find_first_not_of(' ', gap);
        if (at == std::string::npos) break;
    }
    return cells;
}

class CliPorts : public test::CliProcess {
  protected:
    SystemTree tree;
    std::unique_ptr<PtyServer> radio;

    void TearDown() override {
        if (radio) radio->Stop();
        test::CliProcess::TearDown();
    }

    // The program reading the tree as its system.
    CliResult RunOnTree(const std::string& arguments, const std::string& environment = "") const {
        return Run(arguments, "",
                   "env QV7100_SYSTEM_ROOT=" + tree.Root().string() + " " + environment + " ");
    }

    void StartRadio() {
        test::ScriptedHost host;
        radio =
            std::make_unique<PtyServer>(VirtualRadio(EncodeImage(StartupState(host, 1)), 0), false);
        ASSERT_TRUE(radio->Start(nullptr));
    }
};

TEST_F(CliPorts, ListsEachDeviceWithItsNamesAdapterSwapWarningAndFindings) {
    tree.Add({kFirstCh340.Rows(),
              kSecondCh340.Rows(),
              kFtdi.Rows(),
              BuiltInPortRows("ttyS0", "4", "sys/devices/pnp0/00:05"),
              BuiltInPortRows("ttyS1", "0", "sys/devices/platform/serial8250/serial8250:0.1"),
              ProcessRows(4321, "minicom", {"dev/ttyUSB2"}),
              {{TreeRow::File, "usr/sbin/ModemManager", ""},
               {TreeRow::File, "usr/lib/udev/rules.d/85-brltty.rules",
                "ENV{PRODUCT}==\"1a86/7523/*\", GOTO=\"brltty_usb_run\"\n"}}});
    const CliResult result = RunOnTree("ports");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::string dev = tree.Path("dev");
    const std::string ch340 = "1a86:7523 CH340/CH341";
    const std::string brltty = tree.Path("usr/lib/udev/rules.d/85-brltty.rules") + ":1";
    const std::string modemManager =
        "ModemManager is installed (" + tree.Path("usr/sbin/ModemManager") +
        ") and no udev rule tells it to leave this adapter alone: when the cable is plugged in, "
        "it may probe the port with modem commands and hold it meanwhile. This program's Debian "
        "package brings a rule that tells it so; without the package, stop ModemManager (sudo "
        "systemctl disable --now ModemManager) if no modem needs it.";
    const std::string brlttyClaims =
        "The braille-display service brltty is installed with a udev rule that claims this "
        "adapter (" +
        ch340 + ") and takes the port away: " + brltty +
        ". Remove the package (sudo apt remove brltty), or mask the rule (sudo ln -s /dev/null "
        "/etc/udev/rules.d/85-brltty.rules); then plug the cable in again.";
    const std::vector<std::vector<std::string>> table = {
        {"Port", "Device", "By-id", "By-path", "USB id", "Chip", "Serial number"},
        {"COM1", dev + "/ttyUSB0", "-", kFirstCh340.ByPath(), "1a86:7523", "CH340/CH341", "-"},
        {"COM2", dev + "/ttyUSB1", kSecondCh340.byId, kSecondCh340.ByPath(), "1a86:7523",
         "CH340/CH341", "-"},
        {"COM3", dev + "/ttyUSB2", kFtdi.byId, kFtdi.ByPath(), "0403:6001", "FTDI FT232R",
         "A50285BI"},
        {"COM4", dev + "/ttyS0", "-", "-", "-", "-", "-"},
    };
    std::istringstream lines(result.out);
    for (const std::vector<std::string>& row : table) {
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(Cells(line), row) << line;
    }
    const std::string rest(std::istreambuf_iterator<char>(lines), {});
    EXPECT_EQ(rest,
              "\nCOM1 (" + dev + "/ttyUSB0) and COM2 (" + dev + "/ttyUSB1) are alike (" + ch340 +
                  ") and have no serial number of their own: after a replug their COM numbers "
                  "and device names can swap. Name each by the USB socket it is plugged into "
                  "(its by-path name) instead:\n  COM1 (" +
                  dev + "/ttyUSB0): --port " + kFirstCh340.ByPath() + "\n  COM2 (" + dev +
                  "/ttyUSB1): --port " + kSecondCh340.ByPath() + "\n\nCOM1 (" + dev +
                  "/ttyUSB0):\n  " + brlttyClaims + "\n  " + modemManager + "\n\nCOM2 (" + dev +
                  "/ttyUSB1):\n  " + brlttyClaims + "\n  " + modemManager + "\n\nCOM3 (" + dev +
                  "/ttyUSB2):\n  Another program holds it open: minicom (process 4321). Close "
                  "that program, or choose another port.\n  " +
                  modemManager + "\n");
}

TEST_F(CliPorts, JsonGivesEachDeviceWithNullForWhatIsUnknown) {
    tree.Add({kSecondCh340.Rows(), BuiltInPortRows("ttyS0", "4", "sys/devices/pnp0/00:05"),
              ProcessRows(4321, "minicom", {"dev/ttyS0"})});
    const CliResult result = RunOnTree("ports --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    QJsonParseError error{};
    const QJsonDocument json =
        QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out;
    const QJsonArray ports = json.array();
    ASSERT_EQ(ports.size(), 2) << result.out;

    const QJsonObject adapter = ports[0].toObject();
    EXPECT_EQ(adapter["com"].toArray(), QJsonArray{"COM1"});
    EXPECT_EQ(adapter["device"].toString().toStdString(), tree.Path("dev/ttyUSB1"));
    EXPECT_EQ(adapter["by_id"].toArray().first().toString().toStdString(),
              tree.Path("dev/serial/by-id/") + kSecondCh340.byId);
    EXPECT_EQ(adapter["by_path"].toArray().size(), 1);
    const QJsonObject usb = adapter["usb"].toObject();
    EXPECT_EQ(usb["vid"].toString(), "1a86");
    EXPECT_EQ(usb["pid"].toString(), "7523");
    EXPECT_EQ(usb["chip"].toString(), "CH340/CH341");
    EXPECT_TRUE(usb["serial"].isNull()) << "it has none";
    EXPECT_TRUE(usb["manufacturer"].isNull());
    EXPECT_EQ(usb["path"].toString(), "1-3");
    const QJsonObject adapterFound = adapter["diagnosis"].toObject();
    EXPECT_EQ(adapterFound["problems"].toArray(), QJsonArray{});
    EXPECT_EQ(adapterFound["brltty_rules"].toArray(), QJsonArray{});
    EXPECT_TRUE(adapterFound["modemmanager"].isNull()) << "not installed";
    EXPECT_TRUE(adapterFound["permission"].toObject()["allowed"].toBool());

    const QJsonObject builtIn = ports[1].toObject();
    EXPECT_EQ(builtIn["com"].toArray(), QJsonArray{"COM2"});
    EXPECT_TRUE(builtIn["usb"].isNull());
    const QJsonObject builtInFound = builtIn["diagnosis"].toObject();
    EXPECT_EQ(builtInFound["problems"].toArray(), QJsonArray{"held"});
    EXPECT_EQ(builtInFound["held_by"].toArray(),
              (QJsonArray{QJsonObject{{"pid", 4321}, {"name", "minicom"}}}));
    EXPECT_TRUE(builtInFound["brltty_rules"].isNull()) << "no adapter for its rules to claim";
}

TEST_F(CliPorts, NoDevicesIsSaidAndNoError) {
    const CliResult text = RunOnTree("ports");
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out,
              "There are no serial devices on this computer: plug in the programming "
              "cable.\n");
    const CliResult json = RunOnTree("ports --json");
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, "[\n]\n");
}

// A virtual radio's pseudo-terminal linked under by-id and by-path, as udev links an adapter:
// every way of naming it reads the radio.
TEST_F(CliPorts, AStableNameReachesTheRadio) {
    StartRadio();
    tree.Add(
        {{TreeRow::Link, "dev/serial/by-id/usb-QV_Radio_Cable-if00-port0", radio->DevicePath()},
         {TreeRow::Link, "dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0",
          radio->DevicePath()}});
    const std::string byId = tree.Path("dev/serial/by-id/usb-QV_Radio_Cable-if00-port0");
    const struct {
        std::string arguments;
        std::string environment;
        std::string device;  // as the report names it
    } cases[] = {
        {"--port " + byId, "", byId},
        {"--port usb-QV_Radio_Cable-if00-port0", "", byId},
        {"--port COM1", "QV7100_COM1=pci-0000:00:14.0-usb-0:2:1.0-port0",
         tree.Path("dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliResult result =
            RunOnTree("read " + c.arguments + " " + (dir / "read.DAT").string(), c.environment);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, "Read a 400-470MHz radio on " + c.device + " into " +
                                  (dir / "read.DAT").string() + "\n");
    }
    // `ports` shows the radio COM1 stands for, with its names.
    const CliResult ports = RunOnTree("ports", "QV7100_COM1=pci-0000:00:14.0-usb-0:2:1.0-port0");
    ASSERT_EQ(ports.exitCode, 0) << ports.err;
    EXPECT_TRUE(test::Contains(ports.out, "COM1  " + radio->DevicePath() +
                                              "  usb-QV_Radio_Cable-if00-port0  "
                                              "pci-0000:00:14.0-usb-0:2:1.0-port0"))
        << ports.out;
}

// detect names the USB adapter behind a port it probed, as `ports` reads it from the system.
TEST_F(CliPorts, DetectNamesTheUsbAdapterBehindTheRadio) {
    StartRadio();
    TreeRows rows = kFirstCh340.Rows();
    for (TreeRow& row : rows) {
        // The adapter's node is the virtual radio's line.
        if (row.path == "dev/ttyUSB0") row = {TreeRow::Link, "dev/ttyUSB0", radio->DevicePath()};
    }
    tree.Add(rows);
    const CliResult result = RunOnTree("detect --json --port " + tree.Path("dev/ttyUSB0"));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QJsonArray ports = QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).array();
    ASSERT_EQ(ports.size(), 1) << result.out;
    const QJsonObject usb = ports[0].toObject()["usb"].toObject();
    EXPECT_EQ(ports[0].toObject()["answer"].toString(), "qv7100");
    EXPECT_EQ(usb["vid"].toString(), "1a86");
    EXPECT_EQ(usb["pid"].toString(), "7523");
    EXPECT_EQ(usb["chip"].toString(), "CH340/CH341");
    EXPECT_EQ(usb["path"].toString(), "1-2");
}

// A port that will not open is told with the name the user gave and what the system shows.
TEST_F(CliPorts, APortThatWillNotOpenSaysWhatTheSystemShows) {
    tree.Add({kSecondCh340.Rows(),
              ProcessRows(4321, "minicom", {"dev/ttyUSB1"}),
              {{TreeRow::Link, "dev/serial/by-id/usb-gone-if00-port0", "dev/ttyUSB7"}}});
    const std::string byId = tree.Path("dev/serial/by-id/") + kSecondCh340.byId;
    // The tree's node is a plain file: it opens, but is no serial port.
    const CliResult held = RunOnTree("read --port " + byId + " " + (dir / "read.DAT").string());
    EXPECT_EQ(held.exitCode, 1);
    EXPECT_EQ(held.err, "qv7100-cli: The program cannot open " + byId +
                            ": it is not a serial device. Choose the port the programming cable "
                            "is plugged into.\nqv7100-cli: Another program holds it open: minicom "
                            "(process 4321). Close that program, or choose another port.\n");

    const CliResult gone =
        RunOnTree("read --port usb-gone-if00-port0 " + (dir / "read.DAT").string());
    EXPECT_EQ(gone.exitCode, 1);
    EXPECT_TRUE(test::Contains(gone.err, "There is no serial port " +
                                             tree.Path("dev/serial/by-id/usb-gone-if00-port0") +
                                             " on this computer"))
        << gone.err;
}

// Several radios written at once: a port that will not open is told with what the system shows
// of it, as a single write tells it; the radio beside it is written all the same.
TEST_F(CliPorts, AFleetWriteTellsWhatKeepsAPortFromWorking) {
    StartRadio();
    tree.Add({kFirstCh340.Rows(), ProcessRows(4321, "minicom", {"dev/ttyUSB0"})});
    const std::string file = (dir / "setup.DAT").string();
    ASSERT_EQ(Run("new " + file).exitCode, 0);
    const std::string held = tree.Path("dev/ttyUSB0");
    const CliResult result =
        RunOnTree("write --yes --port " + held + " --port " + radio->DevicePath() + " " + file);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(test::Contains(result.err, held +
                                               ": Another program holds it open: minicom (process "
                                               "4321). Close that program, or choose another "
                                               "port.\n"))
        << result.err;
    EXPECT_TRUE(test::Contains(result.err, radio->DevicePath() + ": written")) << result.err;
}

}  // namespace
}  // namespace qv
