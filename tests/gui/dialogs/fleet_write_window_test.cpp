// Writing the shown set-up into several radios from the desktop program: the window opened from
// the Programming menu, driven by keys and clicks, with virtual radios on pseudo-terminals.
#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "gui/dialogs/fleet_write_window.h"
#include "gui/mainwindow/plans_test_support.h"
#include "image/image_codec.h"
#include "link/core/system_tree.h"
#include "rules/dialogs/service_access.h"

namespace qv {
namespace {

using test::Click;
using test::GuiTest;
using test::WindowHand;

class FleetWindow : public GuiTest {
  protected:
    void TearDown() override {
        GuiTest::TearDown();
        for (const auto& server : servers) server->Stop();
        for (int port = 1; port <= kPortCount; ++port) {
            qunsetenv(ComPortVariable(port).c_str());
        }
        qunsetenv("QV7100_SYSTEM_ROOT");
    }

    // A virtual radio of `band` holding a fresh program's set-up, on the device COM`port` stands
    // for.
    PtyServer& AddRadio(int port, int band, RadioFault fault = {}, bool paced = false) {
        servers.push_back(std::make_unique<PtyServer>(VirtualRadio(blank, band, fault), paced));
        std::string error;
        EXPECT_TRUE(servers.back()->Start(&error)) << error;
        qputenv(ComPortVariable(port).c_str(),
                QByteArray::fromStdString(servers.back()->DevicePath()));
        return *servers.back();
    }

    // Starts the program in English with channel 2 in use in the set-up shown.
    void StartWithAChannel() {
        Start(Parameters{0, 0, 1});
        blank = EncodeImage(State());
        State().Grid1[2] = {State().Grid1[2][0],
                            "455.12500",
                            "67.0",
                            "456.00000",
                            "D023N",
                            "Hight",
                            "Off",
                            "Wide",
                            "Have"};
    }

    // Opens the window from the Programming menu and hands it to `act`, which closes it.
    void InWindow(const std::function<void(FleetWriteWindow&)>& act) {
        WindowHand hand([&](QDialog& dialog) {
            auto* fleet = qobject_cast<FleetWriteWindow*>(&dialog);
            ASSERT_NE(fleet, nullptr);
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
            act(*fleet);
        });
        // The main window's own activation must not arrive once the window is up.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        Action("mnuFleetWrite")->trigger();
        EXPECT_TRUE(hand.Acted());
    }

    template <typename T>
    static T* In(QDialog& dialog, const QString& name) {
        T* found = dialog.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // A click on a box's indicator, where a user aims: a wide box takes no click far right of it.
    static void Tick(QCheckBox* box) {
        ASSERT_NE(box, nullptr);
        const QPoint at(8, box->height() / 2);
        QTest::mousePress(box, Qt::LeftButton, {}, at);
        QTest::mouseRelease(box, Qt::LeftButton, {}, at);
    }
    static QString Result(QDialog& dialog, int port) {
        return In<QLabel>(dialog, QStringLiteral("lblResult%1").arg(port))->text();
    }
    static QString Summary(QDialog& dialog) { return In<QLabel>(dialog, "lblSummary")->text(); }
    static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    // Radios are being written: Stop can be pressed.
    static bool Writing(QDialog& dialog) { return In<QPushButton>(dialog, "cmdStop")->isEnabled(); }
    // Presses Start and waits until every radio has ended.
    static void StartAndWait(FleetWriteWindow& dialog) {
        Click(In<QPushButton>(dialog, "cmdStart"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Writing(dialog); }, 60000));
    }
    // What a screen reader reads of a label: its name and its description.
    static QString ReadAloud(QDialog& dialog, const QString& name) {
        QAccessibleInterface* label =
            QAccessible::queryAccessibleInterface(In<QLabel>(dialog, name));
        return label->text(QAccessible::Name) + " / " + label->text(QAccessible::Description);
    }
    // The radio holds the set-up shown, as far as a write reaches the channels and settings.
    bool Holds(const PtyServer& server) {
        const ImageBytes shown = EncodeImage(State());
        const RadioRecord record = server.Snapshot();
        return std::equal(shown.begin(), shown.begin() + 0x170, record.ImagePart().begin());
    }

    ImageBytes blank{};
    std::vector<std::unique_ptr<PtyServer>> servers;
};

TEST_F(FleetWindow, TwoRadiosOfTheShownBandAreBothWrittenVerifiedAndBackedUp) {
    StartWithAChannel();
    const PtyServer& first = AddRadio(1, 0);
    const PtyServer& second = AddRadio(2, 0);
    const ProgramState before = State();
    InWindow([&](FleetWriteWindow& dialog) {
        for (QWidget* control : dialog.findChildren<QWidget*>()) {
            if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QProgressBar*>(control)) {
                EXPECT_FALSE(control->accessibleName().isEmpty())
                    << control->objectName().toStdString();
            }
        }
        // The first port has the focus: Space checks it, Alt+2 the second, Alt+V verify.
        EXPECT_EQ(QApplication::focusWidget(), In<QCheckBox>(dialog, "chkPort1"));
        Key(Qt::Key_Space);
        // A mnemonic clicks its box as a button shows a click: the box changes a moment later.
        Key(Qt::Key_2, Qt::AltModifier);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return In<QCheckBox>(dialog, "chkPort2")->isChecked(); }));
        ASSERT_FALSE(In<QCheckBox>(dialog, "chkVerify")->isChecked()) << "off in the menu";
        Key(Qt::Key_V, Qt::AltModifier);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return In<QCheckBox>(dialog, "chkVerify")->isChecked(); }));
        EXPECT_TRUE(In<QCheckBox>(dialog, "chkPort1")->isChecked());
        EXPECT_TRUE(In<QCheckBox>(dialog, "chkBackupFirst")->isChecked()) << "the menu's choice";

        StartAndWait(dialog);
        for (const int port : {1, 2}) {
            EXPECT_TRUE(Result(dialog, port).startsWith("400-470MHz, written, verified, "))
                << Result(dialog, port).toStdString();
            auto* progress = In<QProgressBar>(dialog, QStringLiteral("prgPort%1").arg(port));
            EXPECT_EQ(progress->value(), progress->maximum());
        }
        EXPECT_TRUE(Result(dialog, 3).isEmpty()) << "not checked, not touched";
        EXPECT_EQ(Summary(dialog), QStringLiteral("2 radios: 2 written, 2 verified, 0 failed or "
                                                  "skipped."));
        EXPECT_EQ(ReadAloud(dialog, "lblSummary"),
                  "Outcome of the write / 2 radios: 2 written, 2 verified, 0 failed or skipped.");
        EXPECT_TRUE(ReadAloud(dialog, "lblResult1")
                        .startsWith("COM1 result / 400-470MHz, written, verified, backup "));
        // Each radio's row names the backup made of it, by its port.
        for (const int port : {1, 2}) {
            EXPECT_TRUE(
                Result(dialog, port)
                    .contains(QStringLiteral("_400-470MHz_COM%1_before-write.DAT, ").arg(port)))
                << Result(dialog, port).toStdString();
        }
        Click(In<QPushButton>(dialog, "cmdClose"));
    });
    EXPECT_TRUE(Holds(first));
    EXPECT_TRUE(Holds(second));
    EXPECT_EQ(static_cast<const qv::Setup&>(State()), static_cast<const qv::Setup&>(before));
    // Each radio: its memory before the write, and what it holds after, named by its port.
    std::set<std::string> endings;
    for (const auto& entry : std::filesystem::directory_iterator(
             QFile::encodeName(program->Paths().backupFolder).toStdString())) {
        const std::string name = entry.path().filename().string();
        endings.insert(name.substr(name.find("MHz_") + 4));
    }
    EXPECT_EQ(endings, (std::set<std::string>{"COM1_before-write.DAT", "COM1_written.DAT",
                                              "COM2_before-write.DAT", "COM2_written.DAT"}));
}

TEST_F(FleetWindow, ASilentRadioFailsAndOneOfAnotherBandIsSkippedUnlessAllowed) {
    StartWithAChannel();
    const PtyServer& silent = AddRadio(1, 0, {RadioFaultKind::Silent});
    const PtyServer& otherBand = AddRadio(2, 1);
    const PtyServer& healthy = AddRadio(3, 0);
    const struct {
        bool allowOtherBand;
        QString otherBandResult;
        QString summary;
    } cases[] = {
        {false, "450-490MHz, skipped: the radio is a 450-490MHz radio, ",
         "3 radios: 1 written, 0 verified, 2 failed or skipped."},
        {true, "450-490MHz, written, ", "3 radios: 2 written, 0 verified, 1 failed or skipped."},
    };
    InWindow([&](FleetWriteWindow& dialog) {
        for (const int port : {1, 2, 3}) {
            Tick(In<QCheckBox>(dialog, QStringLiteral("chkPort%1").arg(port)));
        }
        if (In<QCheckBox>(dialog, "chkVerify")->isChecked()) {
            Tick(In<QCheckBox>(dialog, "chkVerify"));
        }
        for (const auto& c : cases) {
            SCOPED_TRACE(c.allowOtherBand);
            if (In<QCheckBox>(dialog, "chkOtherBand")->isChecked() != c.allowOtherBand) {
                Tick(In<QCheckBox>(dialog, "chkOtherBand"));
            }
            StartAndWait(dialog);
            EXPECT_TRUE(Result(dialog, 1).startsWith(
                "failed: reading the backup: no answer to the handshake"))
                << Result(dialog, 1).toStdString();
            EXPECT_TRUE(Result(dialog, 2).startsWith(c.otherBandResult))
                << Result(dialog, 2).toStdString();
            EXPECT_TRUE(Result(dialog, 3).startsWith("400-470MHz, written, "))
                << Result(dialog, 3).toStdString();
            EXPECT_EQ(Summary(dialog), c.summary);
        }
        Click(In<QPushButton>(dialog, "cmdClose"));
    });
    EXPECT_TRUE(silent.Snapshot().blocksWritten.empty());
    EXPECT_TRUE(Holds(otherBand)) << "written on the second run";
    EXPECT_TRUE(Holds(healthy));
}

// A port that will not open tells in its row what the system shows of it, each finding with its
// fix on a line of its own; the radio beside it is written all the same. The system is a small
// copy of one (QV7100_SYSTEM_ROOT) whose adapter another program holds.
TEST_F(FleetWindow, APortThatWillNotOpenSaysWhatTheSystemShows) {
    test::SystemTree tree;
    tree.Add({test::AdapterRows("ttyUSB0", "1a86", "7523", "1-2").Rows(),
              test::ProcessRows(4321, "minicom", {"dev/ttyUSB0"})});
    qputenv("QV7100_SYSTEM_ROOT", QByteArray::fromStdString(tree.Root().string()));
    StartWithAChannel();
    const PtyServer& healthy = AddRadio(2, 0);
    InWindow([&](FleetWriteWindow& dialog) {
        EXPECT_EQ(In<QLabel>(dialog, "lblDevice1")->text().toStdString(), tree.Path("dev/ttyUSB0"));
        Tick(In<QCheckBox>(dialog, "chkPort1"));
        Tick(In<QCheckBox>(dialog, "chkPort2"));
        StartAndWait(dialog);
        const QStringList lines = Result(dialog, 1).split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 2) << Result(dialog, 1).toStdString();
        EXPECT_TRUE(lines[0].startsWith("failed: reading the backup: The program cannot open"))
            << lines[0].toStdString();
        EXPECT_EQ(lines[1], QStringLiteral("Another program holds it open: minicom (process "
                                           "4321). Close that program, or choose another port."));
        EXPECT_TRUE(Result(dialog, 2).startsWith("400-470MHz, written, "));
        Click(In<QPushButton>(dialog, "cmdClose"));
    });
    EXPECT_TRUE(Holds(healthy));
}

TEST_F(FleetWindow, StartWithNothingCheckedSaysSoAndStopEndsARun) {
    Start();  // in Chinese
    blank = EncodeImage(State());
    const PtyServer& slow = AddRadio(1, 0, {}, true);
    InWindow([&](FleetWriteWindow& dialog) {
        Click(In<QPushButton>(dialog, "cmdStart"));
        EXPECT_FALSE(Writing(dialog));
        EXPECT_EQ(Summary(dialog),
                  QStringLiteral("没有勾选端口：请先勾选要写入的对讲机所在的端口。"));
        EXPECT_EQ(slow.Snapshot().sessions, 0);

        Tick(In<QCheckBox>(dialog, "chkPort1"));
        Click(In<QPushButton>(dialog, "cmdStart"));
        auto* progress = In<QProgressBar>(dialog, "prgPort1");
        ASSERT_TRUE(QTest::qWaitFor([&] { return progress->value() > 0; }, 30000));
        // While it runs the ports, the choices and Close wait, and Escape does not close.
        EXPECT_FALSE(In<QCheckBox>(dialog, "chkPort1")->isEnabled());
        EXPECT_FALSE(In<QCheckBox>(dialog, "chkOtherBand")->isEnabled());
        EXPECT_FALSE(In<QPushButton>(dialog, "cmdClose")->isEnabled());
        Key(Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), In<QPushButton>(dialog, "cmdStop"));
        Key(Qt::Key_Space);  // presses Stop
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Writing(dialog); }, 30000));
        EXPECT_TRUE(Result(dialog, 1).contains(QStringLiteral("已停止")))
            << Result(dialog, 1).toStdString();
        EXPECT_EQ(Summary(dialog),
                  QStringLiteral("共 1 台：0 台已写入，0 台已校验，1 台失败或跳过。"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return slow.Snapshot().endsReceived > 0; }, 5000))
            << "the radio is told the session is over";
        EXPECT_TRUE(In<QPushButton>(dialog, "cmdClose")->isEnabled());
        Key(Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
}

// With calibration access open (the service pattern clicked in the optional functions) and the
// levels moved in the calibration window, the set-up shown carries one radio's calibration: the
// fleet writes it into no radio, each keeps its own.
TEST_F(FleetWindow, EveryRadioKeepsItsOwnCalibration) {
    StartWithAChannel();
    const PtyServer& first = AddRadio(1, 0);
    const PtyServer& second = AddRadio(2, 0);
    Action("mnudtmf")->trigger();
    ASSERT_NE(Window(QStringLiteral("Form5")), nullptr);
    QWidget& functions = *Window(QStringLiteral("Form5"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&functions));
    for (const ServiceLabel label : kServicePattern) {
        const char* name = label == ServiceLabel::Label14   ? "Label14"
                           : label == ServiceLabel::Label17 ? "Label17"
                                                            : "Label18";
        QTest::mouseClick(Find<QLabel>(QString::fromLatin1(name), &functions), Qt::LeftButton);
    }
    ASSERT_TRUE(State().CalibrationUnlocked);
    Action("mnudebug")->trigger();
    ASSERT_NE(Window(QStringLiteral("Form2")), nullptr);
    QWidget& calibration = *Window(QStringLiteral("Form2"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&calibration));
    auto* slider = Find<QSlider>(QStringLiteral("Slider1"), &calibration);
    slider->setFocus();
    for (int k = 0; k < 3; ++k) QTest::keyClick(slider, Qt::Key_PageDown);
    Click(Find<QPushButton>(QStringLiteral("Command1"), &calibration));
    ASSERT_EQ(State().PowerHighLevel, 193);

    InWindow([&](FleetWriteWindow& dialog) {
        Tick(In<QCheckBox>(dialog, "chkPort1"));
        Tick(In<QCheckBox>(dialog, "chkPort2"));
        StartAndWait(dialog);
        EXPECT_TRUE(Result(dialog, 1).startsWith("400-470MHz, written, "))
            << Result(dialog, 1).toStdString();
        Click(In<QPushButton>(dialog, "cmdClose"));
    });
    for (const PtyServer* server : {&first, &second}) {
        const RadioRecord record = server->Snapshot();
        EXPECT_TRUE(Holds(*server));
        EXPECT_EQ(record.blocksWritten.size(), 88u) << "every block but the calibration block";
        EXPECT_EQ(record.memory[0x183], 208) << "the radio's own high level";
    }
}

// A radio stopped in the middle is not told to be written again (the user stopped it): its row
// says what it may hold, and what it holds when nothing was written.
TEST_F(FleetWindow, AStoppedRadioSaysWhatItMayHold) {
    StartWithAChannel();
    // A radio each: one stopped while it sends its memory goes on sending for a moment.
    const PtyServer& first = AddRadio(1, 0, {}, true);
    const PtyServer& second = AddRadio(2, 0, {}, true);
    const struct {
        int port;
        const PtyServer& radio;
        bool backupFirst;
        std::size_t stopAtBlock;  // frames written before Stop
        QString result;
    } cases[] = {
        {1, first, true, 0, "stopped: nothing was written, "},
        {2, second, false, 3, "stopped at write frame "},
    };
    InWindow([&](FleetWriteWindow& dialog) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.port);
            for (const int port : {1, 2}) {
                auto* box = In<QCheckBox>(dialog, QStringLiteral("chkPort%1").arg(port));
                if (box->isChecked() != (port == c.port)) Tick(box);
            }
            if (In<QCheckBox>(dialog, "chkBackupFirst")->isChecked() != c.backupFirst) {
                Tick(In<QCheckBox>(dialog, "chkBackupFirst"));
            }
            Click(In<QPushButton>(dialog, "cmdStart"));
            auto* progress = In<QProgressBar>(dialog, QStringLiteral("prgPort%1").arg(c.port));
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    return progress->value() > 0 &&
                           c.radio.Snapshot().blocksWritten.size() >= c.stopAtBlock;
                },
                30000))
                << Result(dialog, c.port).toStdString();
            Click(In<QPushButton>(dialog, "cmdStop"));
            ASSERT_TRUE(QTest::qWaitFor([&] { return !Writing(dialog); }, 30000));
            const QString result = Result(dialog, c.port);
            EXPECT_TRUE(result.contains(c.result)) << result.toStdString();
            EXPECT_FALSE(result.contains("write it again")) << result.toStdString();
            EXPECT_EQ(result.contains("the radio may hold a mix of its old and the new set-up"),
                      c.stopAtBlock > 0)
                << result.toStdString();
        }
        Click(In<QPushButton>(dialog, "cmdClose"));
    });
}

// No radio is written whose memory could not be kept first: each row says so, with the backup it
// could not save.
TEST_F(FleetWindow, NoRadioIsWrittenWhoseBackupCouldNotBeSaved) {
    StartWithAChannel();
    std::ofstream(folder / "backups") << "a file where the folder should be";
    const PtyServer& first = AddRadio(1, 0);
    const PtyServer& second = AddRadio(2, 0);
    InWindow([&](FleetWriteWindow& dialog) {
        Tick(In<QCheckBox>(dialog, "chkPort1"));
        Tick(In<QCheckBox>(dialog, "chkPort2"));
        ASSERT_TRUE(In<QCheckBox>(dialog, "chkBackupFirst")->isChecked());
        StartAndWait(dialog);
        for (const int port : {1, 2}) {
            const QString result = Result(dialog, port);
            EXPECT_TRUE(result.startsWith(QStringLiteral("400-470MHz, not written: its backup ")))
                << result.toStdString();
            EXPECT_TRUE(result.contains(
                QStringLiteral("_COM%1_before-write.DAT could not be saved: ").arg(port)))
                << result.toStdString();
        }
        EXPECT_EQ(Summary(dialog), QStringLiteral("2 radios: 0 written, 0 verified, 2 failed or "
                                                  "skipped."));
        Click(In<QPushButton>(dialog, "cmdClose"));
    });
    EXPECT_TRUE(first.Snapshot().blocksWritten.empty());
    EXPECT_TRUE(second.Snapshot().blocksWritten.empty());
}

}  // namespace
}  // namespace qv
