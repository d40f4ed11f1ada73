// Finding the radio from the port menu, the devices the menu shows, the status line of the chosen
// port, and what the system shows of a port that will not open: virtual radios on
// pseudo-terminals that COM1, COM2... stand for, and a small copy of a system's files read as the
// system (QV7100_SYSTEM_ROOT), so that no port of the machine running the tests is touched.
#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QThread>

#include <memory>
#include <string>
#include <vector>

#include "gui/gui_test_support.h"
#include "gui/mainwindow/plans_test_support.h"
#include "i18n/msgbox.h"
#include "image/image_codec.h"
#include "link/core/port_mapping.h"
#include "link/core/system_tree.h"

namespace qv {
namespace {

using test::GuiTest;
using test::MessageBoxHand;
using test::SystemTree;
using test::TreeRow;
using test::WindowHand;

// What a radio hears from a look for it: the handshake, the request for its identification and
// the end of programming mode; a port that stays silent hears the handshake and the end.
const std::vector<std::uint8_t> kLookedAt = {'Q', 'V', '-', 'P', 'R', 'O', 'G', 0x02, 0x45};
const std::vector<std::uint8_t> kSilentLookedAt = {'Q', 'V', '-', 'P', 'R', 'O', 'G', 0x45};

class FindRadio : public GuiTest {
  protected:
    SystemTree tree;  // the system the program reads: nothing but what a test adds
    std::vector<std::unique_ptr<PtyServer>> radios;

    void SetUp() override {
        GuiTest::SetUp();
        qputenv("QV7100_SYSTEM_ROOT", QByteArray::fromStdString(tree.Root().string()));
    }
    void TearDown() override {
        GuiTest::TearDown();
        for (const auto& server : radios) server->Stop();
        for (int port = 1; port <= kPortCount; ++port) qunsetenv(ComPortVariable(port).c_str());
        qunsetenv("QV7100_SYSTEM_ROOT");
    }

    // A virtual radio of `band` (silent with `fault`) on the device COM`port` stands for.
    PtyServer& AddRadio(int port, int band, RadioFault fault = {}) {
        radios.push_back(
            std::make_unique<PtyServer>(VirtualRadio(EncodeImage(State()), band, fault), false));
        std::string error;
        EXPECT_TRUE(radios.back()->Start(&error)) << error;
        Wire(port, radios.back()->DevicePath());
        return *radios.back();
    }
    static void Wire(int port, const std::string& device) {
        qputenv(ComPortVariable(port).c_str(), QByteArray::fromStdString(device));
    }
    static QString Device(const PtyServer& radio) {
        return QString::fromStdString(radio.DevicePath());
    }

    // Keys typed into the window, where its focus is.
    void Keys(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QApplication::processEvents();
        if (!window->isActiveWindow()) {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // Ctrl+F, then the wait until the look has ended with its message box (answered by `hand`).
    void FindWithKeys(const MessageBoxHand& hand) {
        const std::size_t seen = hand.Seen().size();
        Keys(Qt::Key_F, Qt::ControlModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return hand.Seen().size() > seen; }, 15000))
            << "the look never ended";
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
    }

    QLabel* PortStatus() { return Find<QLabel>("lblPortStatus"); }
    QString ReadAloud(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }
    // The radio's transcript once it has taken in an end byte for every session.
    static RadioRecord AtRest(const PtyServer& radio) {
        RadioRecord record = radio.Snapshot();
        for (int wait = 0; wait < 200 && record.endsReceived < record.sessions; ++wait) {
            QThread::msleep(10);
            record = radio.Snapshot();
        }
        return record;
    }
};

// One radio among silent ports: the look runs while the window is in use, chooses the radio's
// port as its menu item would (check mark, port opened, number saved), says what answered on
// every port, and the radio hears nothing but the handshake, the request and the end.
TEST_F(FindRadio, OneRadioAmongSilentPortsIsChosen) {
    Start(Parameters{0, 0, 1});
    const PtyServer& first = AddRadio(1, 0, {RadioFaultKind::Silent, 0});
    const PtyServer& second = AddRadio(2, 5);
    const PtyServer& third = AddRadio(3, 0, {RadioFaultKind::Silent, 0});
    MessageBoxHand hand({kIdOk});
    Keys(Qt::Key_F, Qt::ControlModifier);

    // Looking: the status bar says so, nothing that starts a transfer can, the set-up can.
    ASSERT_TRUE(PortStatus()->isVisible());
    EXPECT_EQ(PortStatus()->text(), QStringLiteral("Looking for the radio on every port..."));
    for (const char* held : {"mnureadFre", "mnuwriteFre", "mnuFindRadio", "mnucom1", "mnucom2"}) {
        EXPECT_FALSE(Action(held)->isEnabled()) << held;
    }
    EXPECT_FALSE(Find<QMenu>("mnupro")->menuAction()->isEnabled());
    EXPECT_TRUE(Find<QWidget>("Grid1")->isEnabled());
    EXPECT_TRUE(Action("mnuAssave")->isEnabled());
    Keys(Qt::Key_R, Qt::ControlModifier);  // Ctrl+R meanwhile starts no read

    ASSERT_TRUE(QTest::qWaitFor([&] { return !hand.Seen().empty(); }, 15000));
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_EQ(hand.Seen()[0].text,
              "A QV-7100 answered on COM2 (" + Device(second) + "): that port is chosen.");
    EXPECT_EQ(hand.Seen()[0].details, "COM1 (" + Device(first) + "): nothing answered\nCOM2 (" +
                                          Device(second) + "): QV-7100, 600-620MHz\nCOM3 (" +
                                          Device(third) + "): nothing answered");
    EXPECT_EQ(hand.Seen()[0].icon, QMessageBox::Information);

    EXPECT_TRUE(Action("mnucom2")->isChecked());
    EXPECT_FALSE(Action("mnucom1")->isChecked());
    EXPECT_EQ(State().CommPortNumber, 2);
    EXPECT_EQ(PortStatus()->text(), QStringLiteral("COM2: QV-7100, 600-620MHz"));
    EXPECT_EQ(ReadAloud(PortStatus()), PortStatus()->text());
    for (const char* back : {"mnureadFre", "mnuFindRadio", "mnucom1", "mnucom2"}) {
        EXPECT_TRUE(Action(back)->isEnabled()) << back;
    }

    const RadioRecord found = AtRest(second);
    EXPECT_EQ(found.received, kLookedAt);
    EXPECT_TRUE(found.blocksRead.empty());
    for (const PtyServer* silent : {&first, &third}) {
        EXPECT_EQ(AtRest(*silent).received, kSilentLookedAt);
    }
    window->close();
    EXPECT_EQ(ReadParameterFile(folder / kParameterFileName).port, 2);
}

// Radios on two ports: the user is asked which, in a list the keys work (the first chosen at
// first, Down and Enter, Escape for none).
TEST_F(FindRadio, RadiosOnSeveralPortsAreChosenBetweenWithKeys) {
    Start(Parameters{0, 0, 1});
    const PtyServer& first = AddRadio(1, 0);
    AddRadio(2, 0, {RadioFaultKind::Silent, 0});
    const PtyServer& third = AddRadio(3, 1);
    const QString firstLine = "COM1 (" + Device(first) + "): QV-7100, 400-470MHz";
    const QString thirdLine = "COM3 (" + Device(third) + "): QV-7100, 450-490MHz";
    const struct {
        const char* name;
        std::vector<Qt::Key> keys;
        int checked;  // the port checked afterwards: none chosen leaves the one before
        int saved;
        QString says;
        QString status;
    } cases[] = {
        {"Down and Enter",
         {Qt::Key_Down, Qt::Key_Return},
         3,
         3,
         "A QV-7100 answered on 2 ports; COM3 (" + Device(third) + ") is chosen.",
         "COM3: QV-7100, 450-490MHz"},
        {"Escape",
         {Qt::Key_Escape},
         3,
         3,
         "A QV-7100 answered on 2 ports; none of them is chosen.",
         "COM3: QV-7100, 450-490MHz"},
        {"Enter",
         {Qt::Key_Return},
         1,
         1,
         "A QV-7100 answered on 2 ports; COM1 (" + Device(first) + ") is chosen.",
         "COM1: QV-7100, 400-470MHz"},
    };
    MessageBoxHand boxes;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WindowHand question([&](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), QStringLiteral("frmChooseRadio"));
            auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstRadios"));
            ASSERT_NE(list, nullptr);
            ASSERT_EQ(list->count(), 2);
            EXPECT_EQ(list->item(0)->text(), firstLine);
            EXPECT_EQ(list->item(1)->text(), thirdLine);
            EXPECT_EQ(list->currentRow(), 0);
            EXPECT_EQ(ReadAloud(list), QStringLiteral("Ports where a QV-7100 answered"));
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
            EXPECT_EQ(QApplication::focusWidget(), list) << "the keys go to the list first";
            for (const Qt::Key key : c.keys) QTest::keyClick(QApplication::focusWidget(), key);
        });
        FindWithKeys(boxes);
        EXPECT_TRUE(question.Acted());
        EXPECT_EQ(boxes.Seen().back().text, c.says);
        for (int port : {1, 2, 3}) {
            EXPECT_EQ(Action(QStringLiteral("mnucom%1").arg(port))->isChecked(), port == c.checked)
                << port;
        }
        EXPECT_EQ(State().CommPortNumber, c.saved);
        EXPECT_EQ(PortStatus()->text(), c.status);
    }
}

// No radio answers: said, with a line for every port, in Chinese; the port chosen before stays.
// With no port at all, there is nothing to look at.
TEST_F(FindRadio, NoRadioIsSaidWithWhatEachPortDid) {
    Start(Parameters{0, 0, 0});
    MessageBoxHand hand({kIdOk, kIdOk});
    FindWithKeys(hand);
    EXPECT_EQ(hand.Seen().back().text, QStringLiteral("COM1 至 COM8 都没有对应的串口设备。"));
    EXPECT_FALSE(PortStatus()->isVisible());

    const PtyServer& silent = AddRadio(1, 0, {RadioFaultKind::Silent, 0});
    Wire(2, "/dev/qv7100-no-such-device");
    FindWithKeys(hand);
    ASSERT_EQ(hand.Seen().size(), 2u);
    EXPECT_EQ(hand.Seen()[1].text, QStringLiteral("所有串口上都没有 QV-7100 应答。"));
    EXPECT_EQ(hand.Seen()[1].details,
              "COM1 (" + Device(silent) +
                  ")：无应答\nCOM2 (/dev/qv7100-no-such-device)：本机没有串口 COM2 "
                  "(/dev/qv7100-no-such-device)：请插好写频线，或选择其它串口。");
    for (int port = 1; port <= kPortCount; ++port) {
        EXPECT_FALSE(Action(QStringLiteral("mnucom%1").arg(port))->isChecked()) << port;
    }
    // A transfer would open COM1, a fresh program's port: its status is what the look found.
    EXPECT_EQ(PortStatus()->text(), QStringLiteral("COM1：无应答"));
}

// Beside each COMn the menu shows the device it stands for and its adapter's chip, looked up
// each time the menu opens, in the language shown.
TEST_F(FindRadio, ThePortMenuShowsEachPortsDeviceAndChip) {
    test::UsbAdapterRows ftdi =
        test::AdapterRows("ttyUSB1", "0403", "6001", "1-4", "usb-FTDI_FT232R_USB_UART-if00-port0");
    ftdi.driver = "ftdi_sio";
    tree.Add({test::AdapterRows("ttyUSB0", "1a86", "7523", "1-2").Rows(), ftdi.Rows(),
              test::BuiltInPortRows("ttyS0", "4", "sys/devices/pnp0/00:05"),
              test::BuiltInPortRows("ttyS1", "0", "sys/devices/platform/serial8250")});
    Start(Parameters{0, 0, 1});
    Wire(5, "/dev/pts/77");
    auto* menu = Find<QMenu>("mnucom");
    const auto openMenu = [&] {
        Keys(Qt::Key_V, Qt::AltModifier);  // Communication port(&V)
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000));
    };
    const auto closeMenu = [&] {
        QTest::keyClick(menu, Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !menu->isVisible(); }, 2000));
    };
    const QString dev = QString::fromStdString(tree.Path("dev"));
    openMenu();
    const QStringList shown = {
        "COM1(&1)  " + dev + "/ttyUSB0 (CH340/CH341)",
        "COM2(&2)  " + dev + "/ttyUSB1 (FTDI FT232R)",
        "COM3(&3)  " + dev + "/ttyS0",
        "COM4(&4)  (no device)",
        "COM5(&5)  /dev/pts/77",
        "COM6(&6)  (no device)",
    };
    for (int port = 1; port <= static_cast<int>(shown.size()); ++port) {
        EXPECT_EQ(Action(QStringLiteral("mnucom%1").arg(port))->text(), shown[port - 1]);
    }
    EXPECT_EQ(Action("mnucom1")->statusTip(), "COM1: " + dev + "/ttyUSB0 (CH340/CH341)");
    closeMenu();

    // An adapter plugged in while the menu was closed shows the next time it opens.
    tree.Add(test::AdapterRows("ttyUSB2", "067b", "2303", "1-5").Rows());
    openMenu();
    EXPECT_EQ(Action("mnucom3")->text(), "COM3(&3)  " + dev + "/ttyUSB2 (PL2303)");
    EXPECT_EQ(Action("mnucom4")->text(), "COM4(&4)  " + dev + "/ttyS0");
    closeMenu();

    Action("mnuChinese")->trigger();
    EXPECT_EQ(Action("mnucom1")->text(), "COM1(&1)  " + dev + "/ttyUSB0（CH340/CH341）");
    EXPECT_EQ(Action("mnucom6")->text(), QStringLiteral("COM6(&6)  （无设备）"));
}

// The status line follows a language switch and what every read learns, and goes when another
// port is chosen.
TEST_F(FindRadio, TheStatusLineFollowsTheLanguageAReadAndTheChosenPort) {
    Start(Parameters{0, 0, 1});
    AddRadio(1, 0);
    MessageBoxHand hand({kIdOk});
    FindWithKeys(hand);
    EXPECT_EQ(PortStatus()->text(), QStringLiteral("COM1: QV-7100, 400-470MHz"));
    Action("mnuChinese")->trigger();
    EXPECT_EQ(PortStatus()->text(), QStringLiteral("COM1：QV-7100，400-470MHz"));
    EXPECT_EQ(ReadAloud(PortStatus()), PortStatus()->text());

    // Another radio on COM1's device now: the read tells its band.
    const PtyServer& other = AddRadio(1, 5);
    Action("mnucom1")->trigger();
    Keys(Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(TransferDone());
    EXPECT_EQ(PortStatus()->text(), QStringLiteral("COM1：QV-7100，600-620MHz"));
    EXPECT_EQ(other.Snapshot().blocksRead.size(), 24u);
    Action("mnuEnglish")->trigger();
    EXPECT_EQ(PortStatus()->text(), QStringLiteral("COM1: QV-7100, 600-620MHz"));

    // A silent radio: the read's failure tells that nothing answered.
    AddRadio(1, 0, {RadioFaultKind::Silent, 0});
    Action("mnucom1")->trigger();
    hand.Answer(kIdOk);
    Keys(Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(TransferDone());
    EXPECT_EQ(PortStatus()->text(), QStringLiteral("COM1: nothing answered"));

    AddRadio(2, 0);
    Action("mnucom2")->trigger();
    EXPECT_FALSE(PortStatus()->isVisible()) << "nothing is known of COM2 yet";
}

// A port that will not open says what the system shows of it wherever it is met: the port menu,
// a read, a comparison and the look for the radio; the status line says it in a word.
TEST_F(FindRadio, APortThatWillNotOpenShowsWhatTheSystemShows) {
    // The copy's device node is a plain file: it opens, but is no serial port.
    tree.Add({test::AdapterRows("ttyUSB0", "1a86", "7523", "1-2").Rows(),
              test::ProcessRows(4321, "minicom", {"dev/ttyUSB0"})});
    Start(Parameters{0, 0, 1});
    const QString device = QString::fromStdString(tree.Path("dev/ttyUSB0"));
    const QString notSerial = "The program cannot open COM1 (" + device +
                              "): it is not a serial device. Choose the port the programming "
                              "cable is plugged into.";
    const QString held =
        "Another program holds it open: minicom (process 4321). Close that program, or choose "
        "another port.";
    MessageBoxHand hand({kIdOk, kIdOk, kIdOk, kIdOk});
    Action("mnucom1")->trigger();
    Action("mnureadFre")->trigger();
    Action("mnuCompare")->trigger();
    ASSERT_EQ(hand.Seen().size(), 3u);
    EXPECT_EQ(hand.Seen()[0].text, notSerial + "\n\n" + held);
    for (const test::SeenBox& transfer : {hand.Seen()[1], hand.Seen()[2]}) {
        EXPECT_EQ(transfer.details, notSerial + "\n\n" + held);
    }
    EXPECT_EQ(PortStatus()->text(), QStringLiteral("COM1: not a serial port"));

    FindWithKeys(hand);
    EXPECT_EQ(hand.Seen()[3].text, QStringLiteral("No QV-7100 answered on any port."));
    EXPECT_EQ(hand.Seen()[3].details, "COM1 (" + device + "): " + notSerial + "\n\n" + held);
    EXPECT_EQ(PortStatus()->text(), QStringLiteral("COM1: not a serial port"));
}

}  // namespace
}  // namespace qv
