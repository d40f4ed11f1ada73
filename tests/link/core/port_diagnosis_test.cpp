// What keeps a port from working, read from small copies of a system's files, and how it is said.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "i18n/messages.h"
#include "link/core/port_diagnosis.h"
#include "link/core/port_problem.h"
#include "link/core/system_tree.h"
#include "link/core/udev_rules.h"
#include "link/core/usb_chips.h"

namespace qv {
namespace {

using test::AdapterRows;
using test::ProcessRows;
using test::SystemTree;
using test::TreeRow;
using test::TreeRows;
using test::UsbAdapterRows;

constexpr unsigned kUser = 4242;  // a user who is not the owner of the tree's files
constexpr int kSelf = 999;        // the diagnosing process

UsbAdapterRows FtdiRows() {
    UsbAdapterRows ftdi = AdapterRows("ttyUSB1", "0403", "6001", "1-3");
    ftdi.serial = "A50285BI";
    ftdi.driver = "ftdi_sio";
    return ftdi;
}

UsbAdapter Ids(const std::string& vid, const std::string& pid, const std::string& revision = "") {
    UsbAdapter usb;
    usb.vid = vid;
    usb.pid = pid;
    usb.revision = revision;
    usb.chip = std::string(UsbChipName(vid, pid));
    return usb;
}

const UsbAdapterRows kCh340 =
    AdapterRows("ttyUSB0", "1a86", "7523", "1-2", "usb-1a86_USB_Serial-if00-port0");
const UsbAdapterRows kFtdi = FtdiRows();

// The brltty rules as distributions ship them: by the kernel's PRODUCT, or by the ids.
const std::string kBrlttyRules =
    "# Device: 1A86:7523\n"
    "# Baum [NLS eReader Zoomax (20 cells)]\n"
    "ENV{PRODUCT}==\"1a86/7523/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"bm\", "
    "GOTO=\"brltty_usb_run\"\n"
    "# Device: 0403:6001\n"
    "#ENV{PRODUCT}==\"403/6001/*\", GOTO=\"brltty_usb_run\"\n"
    "SUBSYSTEM==\"usb\", ATTRS{idVendor}==\"1a86\", \\\n"
    "    ATTRS{idProduct}==\"5523\", GOTO=\"brltty_usb_run\"\n"
    "LABEL=\"brltty_usb_run\"\n";

// A user who is not the owner of the tree's files.
ProcessIdentity User(std::vector<unsigned> groups = {kUser}) {
    return {kSelf, kUser, std::move(groups)};
}

// The owner of the tree's files, who may open its nodes: for the findings other than permission.
ProcessIdentity Owner() {
    return {kSelf, static_cast<unsigned>(::geteuid()), {static_cast<unsigned>(::getegid())}};
}

// The group the tree's device node belongs to, which its group file calls dialout: 20, as on
// Debian, where the test may give it away; otherwise the runner's own.
unsigned NodeGroup() {
    return ::geteuid() == 0 ? 20u : static_cast<unsigned>(::getegid());
}

// The node's owner is the runner, whom the passwd file calls root; alice is the user.
TreeRows Accounts(const std::string& dialoutMembers) {
    const std::string user = std::to_string(kUser);
    return {{TreeRow::File, "etc/passwd",
             "root:x:" + std::to_string(::geteuid()) + ":0:root:/root:/bin/bash\nalice:x:" + user +
                 ":" + user + "::/home/alice:/bin/bash\n"},
            {TreeRow::File, "etc/group",
             "dialout:x:" + std::to_string(NodeGroup()) + ":" + dialoutMembers +
                 "\nalice:x:" + user + ":\n"}};
}

// The tree's node of `tty` with `mode`, in the group NodeGroup().
void SetNode(const SystemTree& tree, const std::string& tty, const std::string& mode) {
    const std::string node = tree.Path("dev/" + tty);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(node.c_str(), static_cast<uid_t>(-1), NodeGroup()), 0);
    }
    ASSERT_EQ(::chmod(node.c_str(), static_cast<mode_t>(std::stoi(mode, nullptr, 8))), 0);
}

SerialDevice Described(const SystemTree& tree, const std::string& name) {
    const std::optional<SerialDevice> device = DescribeSerialDevice(name, tree.Roots());
    EXPECT_TRUE(device) << name;
    return device.value_or(SerialDevice{});
}

std::vector<std::string> English(const PortDiagnosis& diagnosis) {
    return DiagnosisFindings(diagnosis, Language::English);
}

TEST(PortDiagnosis, APortOthersHoldIsNamedWithTheirProcesses) {
    SystemTree tree;
    tree.Add({kCh340.Rows(),
              kFtdi.Rows(),
              ProcessRows(1234, "minicom", {"dev/ttyUSB0"}),
              ProcessRows(77, "bash", {"dev/ttyUSB1", "dev/ttyUSB0"}),
              ProcessRows(kSelf, "qv7100-cli", {"dev/ttyUSB0"}),
              // A process whose files cannot be read shows no fd folder; it is skipped.
              {{TreeRow::File, "proc/555/comm", "sshd\n"}},
              {{TreeRow::File, "proc/self/comm", "qv7100-cli\n"}}});
    const std::vector<PortDiagnosis> diagnoses = DiagnosePorts(
        {Described(tree, "ttyUSB0"), Described(tree, "ttyUSB1")}, tree.Roots(), Owner());
    ASSERT_TRUE(diagnoses[0].holders);
    EXPECT_EQ(*diagnoses[0].holders, (std::vector<HoldingProcess>{{1234, "minicom"}, {77, "bash"}}))
        << "the diagnosing process itself is left out";
    ASSERT_TRUE(diagnoses[1].holders);
    EXPECT_EQ(*diagnoses[1].holders, (std::vector<HoldingProcess>{{77, "bash"}}));
    EXPECT_EQ(English(diagnoses[1]),
              std::vector<std::string>{"Another program holds it open: bash (process 77). Close "
                                       "that program, or choose another port."});
    EXPECT_EQ(DiagnosisFindings(diagnoses[0], Language::Chinese),
              std::vector<std::string>{"其它程序正占用它：minicom（进程 1234）、bash（进程 "
                                       "77）。请关掉该程序，或选择其它串口。"});
}

TEST(PortDiagnosis, BrlttyRulesThatClaimTheChipAreFoundUnlessMasked) {
    SystemTree tree;
    const UsbAdapterRows ch341 = AdapterRows("ttyUSB2", "1a86", "5523", "1-4");
    tree.Add({kCh340.Rows(),
              kFtdi.Rows(),
              ch341.Rows(),
              {{TreeRow::File, "usr/lib/udev/rules.d/85-brltty.rules", kBrlttyRules}}});
    const std::vector<SerialDevice> devices = ListSerialDevices(tree.Roots());
    ASSERT_EQ(devices.size(), 3u);
    std::vector<PortDiagnosis> diagnoses = DiagnosePorts(devices, tree.Roots(), Owner());
    const std::string rules = tree.Path("usr/lib/udev/rules.d/85-brltty.rules");
    EXPECT_EQ(diagnoses[0].brlttyRules, (std::vector<RuleLine>{{rules, 3, false}}));
    EXPECT_TRUE(diagnoses[1].brlttyRules.empty()) << "the FTDI's line is a comment";
    EXPECT_EQ(diagnoses[2].brlttyRules, (std::vector<RuleLine>{{rules, 6, false}}))
        << "a rule continued over two lines counts from its first";
    EXPECT_EQ(English(diagnoses[0]),
              std::vector<std::string>{
                  "The braille-display service brltty is installed with a udev rule "
                  "that claims "
                  "this adapter (1a86:7523 CH340/CH341) and takes the port away: " +
                  rules +
                  ":3. Remove the package (sudo apt remove brltty), or mask the rule "
                  "(sudo ln -s "
                  "/dev/null /etc/udev/rules.d/85-brltty.rules); then plug the cable "
                  "in again."});

    // The fix it names: masked by a link to /dev/null of the same name in /etc.
    tree.Add({{TreeRow::Link, "etc/udev/rules.d/85-brltty.rules", "/dev/null"}});
    diagnoses = DiagnosePorts(devices, tree.Roots(), Owner());
    EXPECT_TRUE(diagnoses[0].brlttyRules.empty());
    EXPECT_TRUE(English(diagnoses[0]).empty());

    // A copy in /etc cannot be masked: it is to be deleted.
    tree.Add({{TreeRow::File, "etc/udev/rules.d/85-brltty.rules", kBrlttyRules}});
    diagnoses = DiagnosePorts(devices, tree.Roots(), Owner());
    ASSERT_EQ(diagnoses[0].brlttyRules.size(), 1u);
    EXPECT_TRUE(diagnoses[0].brlttyRules[0].inLocalFolder);
    EXPECT_NE(English(diagnoses[0])[0].find("Delete that file"), std::string::npos);
}

TEST(PortDiagnosis, ModemManagerIsNamedUntilARuleTellsItToLeaveTheCableAlone) {
    SystemTree tree;
    tree.Add({kCh340.Rows(), {{TreeRow::File, "usr/sbin/ModemManager", ""}}});
    const SerialDevice ch340 = Described(tree, "ttyUSB0");
    PortDiagnosis diagnosis = DiagnosePort(ch340, tree.Roots(), Owner());
    ASSERT_TRUE(diagnosis.modemManager);
    EXPECT_EQ(diagnosis.modemManager->installed, tree.Path("usr/sbin/ModemManager"));
    EXPECT_TRUE(diagnosis.ModemManagerMayProbe());
    EXPECT_EQ(English(diagnosis),
              std::vector<std::string>{
                  "ModemManager is installed (" + tree.Path("usr/sbin/ModemManager") +
                  ") and no udev rule tells it to leave this adapter alone: when the cable "
                  "is "
                  "plugged in, it may probe the port with modem commands and hold it "
                  "meanwhile. "
                  "This program's Debian package brings a rule that tells it so; without the "
                  "package, stop ModemManager (sudo systemctl disable --now ModemManager) if "
                  "no "
                  "modem needs it."});

    // The package's own rule, as installed.
    tree.Add({{TreeRow::File, "usr/lib/udev/rules.d/70-qv7100-cable.rules",
               SystemTree::ReadSource(QV_CABLE_RULES)}});
    diagnosis = DiagnosePort(ch340, tree.Roots(), Owner());
    ASSERT_TRUE(diagnosis.modemManager);
    ASSERT_TRUE(diagnosis.modemManager->ignoreRule);
    EXPECT_EQ(diagnosis.modemManager->ignoreRule->file,
              tree.Path("usr/lib/udev/rules.d/70-qv7100-cable.rules"));
    EXPECT_FALSE(diagnosis.ModemManagerMayProbe());
    EXPECT_TRUE(diagnosis.seatAccessRule);
    EXPECT_TRUE(English(diagnosis).empty());
}

TEST(PortDiagnosis, ModemManagerMaskedOrAbsentIsNoFinding) {
    const struct {
        const char* what;
        TreeRows rows;
        bool installed;
    } cases[] = {
        {"absent", {}, false},
        {"a service only",
         {{TreeRow::File, "usr/lib/systemd/system/ModemManager.service", "[Unit]\n"}},
         true},
        {"masked",
         {{TreeRow::File, "usr/sbin/ModemManager", ""},
          {TreeRow::File, "usr/lib/systemd/system/ModemManager.service", "[Unit]\n"},
          {TreeRow::Link, "etc/systemd/system/ModemManager.service", "/dev/null"}},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SystemTree tree;
        tree.Add({kCh340.Rows(), c.rows});
        const PortDiagnosis diagnosis =
            DiagnosePort(Described(tree, "ttyUSB0"), tree.Roots(), Owner());
        EXPECT_EQ(diagnosis.modemManager.has_value(), c.installed);
    }
}

TEST(PortDiagnosis, AnotherChipIsToldToGetARuleOfItsOwn) {
    SystemTree tree;
    const UsbAdapterRows other = AdapterRows("ttyUSB0", "2341", "0043", "1-2");
    tree.Add({other.Rows(),
              {{TreeRow::File, "usr/sbin/ModemManager", ""}},
              {{TreeRow::File, "usr/lib/udev/rules.d/70-qv7100-cable.rules",
                SystemTree::ReadSource(QV_CABLE_RULES)}}});
    const PortDiagnosis diagnosis = DiagnosePort(Described(tree, "ttyUSB0"), tree.Roots(), Owner());
    EXPECT_FALSE(diagnosis.CableChip());
    EXPECT_TRUE(diagnosis.ModemManagerMayProbe());
    ASSERT_EQ(English(diagnosis).size(), 1u);
    EXPECT_NE(English(diagnosis)[0].find("Add a udev rule that sets ENV{ID_MM_DEVICE_IGNORE}=\"1\" "
                                         "for this adapter (2341:0043)"),
              std::string::npos);
}

TEST(PortDiagnosis, NoPermissionNamesTheGroupAndTheFix) {
    const struct {
        const char* what;
        std::string mode;
        std::string dialoutMembers;
        std::vector<unsigned> groups;
        bool allowed;
        std::string finding;  // empty: none
    } cases[] = {
        {"not in the group",
         "0660",
         "",
         {kUser},
         false,
         "It belongs to the user root and the group dialout (mode 0660), and you are "
         "not in that "
         "group: join it (sudo usermod -aG dialout $USER), then log in again. This "
         "program's "
         "Debian package brings a udev rule that gives this cable to the user logged "
         "in at the "
         "computer's screen, without a group or a new login: install the package, then "
         "plug the "
         "cable in again."},
        {"joined after logging in",
         "0660",
         "bob,alice",
         {kUser},
         false,
         "You joined the group dialout, which may use it, after this login began, and "
         "joining "
         "takes effect at the next login: log out and in again. This program's Debian "
         "package "
         "brings a udev rule that gives this cable to the user logged in at the "
         "computer's "
         "screen, without a group or a new login: install the package, then plug the "
         "cable in "
         "again."},
        {"in the group", "0660", "alice", {kUser, NodeGroup()}, true, ""},
        {"open to all", "0666", "", {kUser}, true, ""},
        {"the owner's only",
         "0600",
         "",
         {kUser, NodeGroup()},
         false,
         "Only the user root may use it (mode 0600); no group may. This program's "
         "Debian package "
         "brings a udev rule that gives this cable to the user logged in at the "
         "computer's "
         "screen, without a group or a new login: install the package, then plug the "
         "cable in "
         "again."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SystemTree tree;
        tree.Add({kCh340.Rows(), Accounts(c.dialoutMembers)});
        SetNode(tree, "ttyUSB0", c.mode);
        const PortDiagnosis diagnosis =
            DiagnosePort(Described(tree, "ttyUSB0"), tree.Roots(), User(c.groups));
        ASSERT_TRUE(diagnosis.access);
        EXPECT_EQ(diagnosis.access->allowed, c.allowed);
        if (NodeGroup() == 0) continue;  // the group of root is no fix to offer
        EXPECT_EQ(English(diagnosis), c.finding.empty() ? std::vector<std::string>{}
                                                        : std::vector<std::string>{c.finding});
    }
}

// udev's uaccess gives the user at the screen the node by an access list, which the
// mode bits do not show.
TEST(PortDiagnosis, AnAccessListForTheUserGivesPermission) {
    SystemTree tree;
    tree.Add({kCh340.Rows(), Accounts("")});
    SetNode(tree, "ttyUSB0", "0660");
    // user::rw- user:4242:rw- group::rw- mask::rw- other::---
    const std::uint8_t acl[] = {2,    0,    0,    0,    0x01, 0,    6,    0,    0xff, 0xff, 0xff,
                                0xff, 0x02, 0,    6,    0,    0x92, 0x10, 0,    0,    0x04, 0,
                                6,    0,    0xff, 0xff, 0xff, 0xff, 0x10, 0,    6,    0,    0xff,
                                0xff, 0xff, 0xff, 0x20, 0,    0,    0,    0xff, 0xff, 0xff, 0xff};
    if (::setxattr(tree.Path("dev/ttyUSB0").c_str(), "system.posix_acl_access", acl, sizeof acl,
                   0) != 0) {
        GTEST_SKIP() << "the temporary folder keeps no access lists";
    }
    const SerialDevice device = Described(tree, "ttyUSB0");
    EXPECT_TRUE(DiagnosePort(device, tree.Roots(), User()).access->allowed);
    ProcessIdentity stranger = User();
    stranger.uid = kUser + 1;
    stranger.groups = {kUser + 1};
    EXPECT_FALSE(DiagnosePort(device, tree.Roots(), stranger).access->allowed);
}

TEST(PortDiagnosis, ARuleThatGivesTheCableToTheScreenIsNamedWhenPermissionIsStillMissing) {
    SystemTree tree;
    tree.Add({kCh340.Rows(),
              Accounts(""),
              {{TreeRow::File, "usr/lib/udev/rules.d/70-qv7100-cable.rules",
                SystemTree::ReadSource(QV_CABLE_RULES)}}});
    SetNode(tree, "ttyUSB0", "0600");
    const PortDiagnosis diagnosis = DiagnosePort(Described(tree, "ttyUSB0"), tree.Roots(), User());
    ASSERT_TRUE(diagnosis.NoPermission());
    ASSERT_EQ(English(diagnosis).size(), 1u);
    EXPECT_NE(English(diagnosis)[0].find("The udev rule " +
                                         tree.Path("usr/lib/udev/rules.d/70-qv7100-cable.rules:")),
              std::string::npos);
    EXPECT_NE(English(diagnosis)[0].find("plug the cable in again, or log in at the screen rather "
                                         "than remotely."),
              std::string::npos);
}

TEST(PortDiagnosis, WhatCannotBeReadIsUnknownAndNoError) {
    SystemTree tree;
    SerialDevice gone;
    gone.device = tree.Path("dev/ttyUSB0");
    gone.usb = Ids("1a86", "7523");
    const PortDiagnosis diagnosis = DiagnosePort(gone, tree.Roots(), User());
    EXPECT_FALSE(diagnosis.access);
    EXPECT_FALSE(diagnosis.holders);
    EXPECT_FALSE(diagnosis.modemManager);
    EXPECT_TRUE(diagnosis.brlttyRules.empty());
    EXPECT_FALSE(diagnosis.FoundProblems());
    EXPECT_TRUE(English(diagnosis).empty());
}

// A port that would not open is told with what the system shows; the message alone
// otherwise.
TEST(PortDiagnosis, APortOpenMessageCarriesTheFindings) {
    PortDiagnosis diagnosis;
    diagnosis.holders = std::vector<HoldingProcess>{{321, "brltty"}};
    const PortName port = {0, "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0"};
    EXPECT_EQ(PortOpenMessage(PortOpenError::Busy, port, Language::English, diagnosis),
              "Serial port /dev/serial/by-id/usb-1a86_USB_Serial-if00-port0 has been other "
              "programs use, please choose other serial or turn off its program.\n\nAnother "
              "program holds it open: brltty (process 321). Close that program, or choose "
              "another port.");
    EXPECT_EQ(PortOpenMessage(PortOpenError::Busy, port, Language::English, PortDiagnosis{}),
              PortOpenMessage(PortOpenError::Busy, port, Language::English));

    PortDiagnosis refused;
    refused.access = NodeAccess{.ownerId = 0,
                                .owner = "root",
                                .groupId = 20,
                                .group = "uucp",
                                .mode = 0660,
                                .groupOpensIt = true};
    EXPECT_EQ(PortOpenMessage(PortOpenError::NoPermission, {2, "/dev/ttyUSB1"}, Language::Chinese,
                              refused),
              "您没有使用串口 /dev/ttyUSB1 的权限。\n\n它属于用户 root 和组 uucp（权限 "
              "0660），而您不在该组中：请加入该组（sudo usermod -aG uucp "
              "$USER），然后重新登录。")
        << "the system's own group in place of the general hint";
    EXPECT_EQ(PortOpenMessage(PortOpenError::NoPermission, {2, "/dev/ttyUSB1"}, Language::English,
                              PortDiagnosis{}),
              PortPermissionMessage("/dev/ttyUSB1", Language::English));
}

TEST(UdevRules, PatternsMatchAsUdevMatchesThem) {
    const struct {
        const char* pattern;
        const char* value;
        bool matches;
    } cases[] = {
        {"1a86", "1a86", true},
        {"1a86", "1a87", false},
        {"7523|5523", "5523", true},
        {"7523|5523", "7522", false},
        {"75[0-9]3", "7523", true},
        {"1a86/7523/*", "1a86/7523/264", true},
        {"403/6001/*", "403/6001/600", true},
        {"*", "", true},
        {"ea6?", "ea60", true},
        {"", "", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UdevPatternMatches(c.pattern, c.value), c.matches) << c.pattern << " " << c.value;
    }
}

TEST(UdevRules, ARuleClaimsAnAdapterByItsIds) {
    const UsbAdapter ch340 = Ids("1a86", "7523", "0264");
    const UsbAdapter ftdi = Ids("0403", "6001", "0600");
    const struct {
        const char* rule;
        bool claimsCh340;
        bool claimsFtdi;
    } cases[] = {
        {R"(ATTRS{idVendor}=="1a86", ATTRS{idProduct}=="7523", TAG+="uaccess")", true, false},
        {R"(SUBSYSTEMS=="usb", ATTRS{idVendor}=="1a86", MODE="0666")", true, false},
        {R"(ENV{ID_VENDOR_ID}=="0403", ENV{ID_MODEL_ID}=="6001|6015")", false, true},
        {R"(ENV{PRODUCT}=="403/6001/*", GOTO="run")", false, true},
        {R"(ENV{PRODUCT}=="1a86/7523/264", GOTO="run")", true, false},
        {R"(ATTRS{idProduct}=="7523", TAG+="uaccess")", false, false},  // no vendor named
        {R"(ATTRS{idVendor}!="1a86", GOTO="end")", false, false},
        {R"(KERNEL=="ttyUSB*", MODE="0666")", false, false},
        {R"(ATTRS{idVendor} == "1a86" , ENV{X}=e"a\"b")", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        SystemTree tree;
        tree.Add({{TreeRow::File, "rules/50-test.rules", std::string(c.rule) + "\n"}});
        const std::vector<UdevRule> rules = ReadRules(tree.Path("rules/50-test.rules"));
        ASSERT_EQ(rules.size(), 1u);
        EXPECT_EQ(rules[0].ClaimsUsb(ch340), c.claimsCh340);
        EXPECT_EQ(rules[0].ClaimsUsb(ftdi), c.claimsFtdi);
    }
}

// The package's rule gives every chip the tool names to the user at the screen and
// tells ModemManager to leave it alone, in a file udev reads before the seat rules
// apply uaccess (73-seat-late.rules) and before ModemManager's own rules (77-mm-*,
// 80-mm-candidate.rules).
TEST(UdevRules, ThePackagedRuleCoversEveryKnownChip) {
    const std::filesystem::path file = QV_CABLE_RULES;
    EXPECT_LT(file.filename().string(), "73-seat-late.rules");
    EXPECT_LT(file.filename().string(), "71-seat.rules");
    EXPECT_LT(file.filename().string(), "77-mm-");
    const std::vector<UdevRule> rules = ReadRules(file);
    for (const UsbChip& chip : KnownUsbChips()) {
        SCOPED_TRACE(std::string(chip.vid) + ":" + std::string(chip.pid));
        const UsbAdapter usb = Ids(std::string(chip.vid), std::string(chip.pid));
        bool uaccess = false;
        bool ignored = false;
        for (const UdevRule& rule : rules) {
            if (!rule.ClaimsUsb(usb)) continue;
            uaccess = uaccess || rule.Assigns("TAG", "uaccess");
            ignored = ignored || rule.Assigns("ENV{ID_MM_DEVICE_IGNORE}", "1");
        }
        EXPECT_TRUE(uaccess);
        EXPECT_TRUE(ignored);
    }
    // And no other adapter.
    const UsbAdapter other = Ids("2341", "0043");
    for (const UdevRule& rule : rules) EXPECT_FALSE(rule.ClaimsUsb(other)) << rule.line;
}

}  // namespace
}  // namespace qv
