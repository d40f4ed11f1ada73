// Reading and writing a virtual radio from the main window, and the port menu.
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSerialPort>
#include <QToolBar>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "gui/gui_test_support.h"
#include "i18n/msgbox.h"
#include "image/image_codec.h"
#include "rules/program/dat_file.h"

namespace qv {
namespace {

using test::GuiTest;
using test::MessageBoxHand;

class Transfers : public GuiTest {
  protected:
    // A radio of band 600-620MHz with channel 2 in use.
    ImageBytes RadioImage() {
        ProgramState radioSetup = State();
        radioSetup.Grid1[2] = {radioSetup.Grid1[2][0],
                               "610.00000",
                               "D023N",
                               "610.00000",
                               "关闭",
                               "低",
                               "载波",
                               "窄带",
                               "无"};
        radioSetup.Combo1 = radioSetup.BandIndex = 5;
        return EncodeImage(radioSetup);
    }
    // The button toolbar button `number` (1-based) shows.
    QWidget* ToolbarButton(int number) {
        return Find<QToolBar>("Toolbar1")->widgetForAction(ToolbarAction(number));
    }
    void Press(QWidget* widget) {
        QTest::mousePress(widget, Qt::LeftButton);
        QTest::mouseRelease(widget, Qt::LeftButton);
    }
};

TEST_F(Transfers, ReadShowsTheRadioEverywhereAndGivesTheControlsBack) {
    Start();
    StartRadio(RadioImage(), 5);
    MessageBoxHand hand;
    Action("mnureadFre")->trigger();
    for (const int button : {1, 2, 5, 6}) {
        EXPECT_FALSE(ToolbarButton(button)->isEnabled()) << button << " waits for the radio";
    }
    EXPECT_FALSE(Action("mnureadFre")->isEnabled());
    ASSERT_TRUE(StatusSays(QStringLiteral("读频成功！")));
    EXPECT_FALSE(Find<QProgressBar>("ProgressBar1")->isVisible());
    EXPECT_EQ(State().Grid1[2][kColRxFrequency], "610.00000");
    EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("600-620MHz"));
    ASSERT_TRUE(TransferDone());
    EXPECT_TRUE(Find<QToolBar>("Toolbar1")->isEnabled());
    for (const int button : {1, 2, 3, 5, 6}) EXPECT_TRUE(ToolbarButton(button)->isEnabled());
    EXPECT_TRUE(Action("mnureadFre")->isEnabled());
    EXPECT_FALSE(Find<QLabel>("Label")->isVisible());
    EXPECT_TRUE(hand.Seen().empty());
}

// What a user can reach while a read runs: nothing that changes the set-up, and Save, which keeps
// the set-up shown when it was chosen even when the read ends while its dialog is open.
TEST_F(Transfers, WhileAReadRunsTheSetUpWaitsAndSaveKeepsWhatWasShown) {
    Start();
    State().Grid1[1][kColRxFrequency] = "435.00000";
    program->History().MarkUnchanged({});  // as a set-up just read: nothing to save first
    const ImageBytes shown = EncodeImage(State());
    StartRadio(RadioImage(), 5);
    // The settings windows open beside the main window.
    for (const char* item : {"mnudebug", "mnutestfre", "mnudtmf", "Key_enactment", "mnusetin"}) {
        Action(item)->trigger();
    }
    window->activateWindow();
    MessageBoxHand hand;
    Press(ToolbarButton(5));
    ASSERT_EQ(Find<QLabel>("Label")->text(), QStringLiteral("正在通信,请稍后……"));

    for (const char* action : {"mnuNew", "mnuOpen", "mnureadFre", "mnuwriteFre"}) {
        EXPECT_FALSE(Action(action)->isEnabled()) << action;
    }
    EXPECT_FALSE(Find<QMenu>("mnupro")->menuAction()->isEnabled());
    for (const char* control : {"Combo1", "Frame2", "Grid1"}) {
        EXPECT_FALSE(Find<QWidget>(control)->isEnabled()) << control;
    }
    for (const WindowId dialog :
         {WindowId::Form2, WindowId::Form4, WindowId::Form5, WindowId::Form6, WindowId::Form7}) {
        EXPECT_FALSE(
            Find<QPushButton>("Command1", Window(ToQString(WindowName(dialog))))->isEnabled())
            << WindowName(dialog);
    }
    EXPECT_TRUE(Action("mnuAssave")->isEnabled());
    EXPECT_TRUE(ToolbarButton(3)->isEnabled());

    // The lock taken and given back mid-read hands back nothing the read holds.
    Action("mnulock")->trigger();
    Action("mnulock")->trigger();
    EXPECT_FALSE(Find<QWidget>("Grid1")->isEnabled());
    EXPECT_FALSE(Find<QWidget>("Frame2")->isEnabled());

    {  // Open pressed mid-read opens nothing.
        test::FileDialogHand none({});
        Press(ToolbarButton(2));
        EXPECT_EQ(none.Opened(), 0);
    }

    // Save chosen mid-read; its dialog is answered once the read has ended.
    const std::filesystem::path path = folder / "shown.DAT";
    QTimer lateHand;
    lateHand.setInterval(5);
    QObject::connect(&lateHand, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        const bool readEnded = Find<QLabel>("Label")->text() == QStringLiteral("读频成功！");
        if (dialog == nullptr || !readEnded) return;
        lateHand.stop();
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->selectAll();
        QTest::keyClicks(name, QString::fromStdString(path.string()));
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    lateHand.start();
    Press(ToolbarButton(3));
    EXPECT_EQ(State().Grid1[2][kColRxFrequency], "610.00000") << "the read ended meanwhile";
    ImageBytes saved{};
    ASSERT_TRUE(ReadDatFile(path, saved).ok());
    EXPECT_EQ(saved, shown);

    ASSERT_TRUE(TransferDone());
    for (const char* action : {"mnuNew", "mnuOpen", "mnureadFre", "mnuwriteFre"}) {
        EXPECT_TRUE(Action(action)->isEnabled()) << action;
    }
    for (const char* control : {"Combo1", "Frame2", "Grid1"}) {
        EXPECT_TRUE(Find<QWidget>(control)->isEnabled()) << control;
    }
    EXPECT_TRUE(Find<QPushButton>("Command1", Window(QStringLiteral("Form5")))->isEnabled());
    EXPECT_TRUE(hand.Seen().empty());
}

TEST_F(Transfers, TheStatusTextFollowsALanguageSwitchMidTransfer) {
    Start();
    StartRadio(RadioImage(), 5);
    Action("mnureadFre")->trigger();
    auto* status = Find<QLabel>("Label");
    EXPECT_EQ(status->text(), QStringLiteral("正在通信,请稍后……"));
    Action("mnuEnglish")->trigger();
    EXPECT_EQ(status->text(), QStringLiteral("Is communication, please later……"));
    ASSERT_TRUE(StatusSays(QStringLiteral("Read frequency success!")));
    Action("mnuChinese")->trigger();
    EXPECT_EQ(status->text(), QStringLiteral("读频成功！"));
    ASSERT_TRUE(TransferDone());
}

TEST_F(Transfers, AReadWhileLockedFillsTheDisabledGridAndFreesTheBandList) {
    Start(Parameters{1, 0, 0});
    StartRadio(RadioImage(), 5);
    Action("mnureadFre")->trigger();
    ASSERT_TRUE(TransferDone());
    EXPECT_EQ(State().Grid1[2][kColRxFrequency], "610.00000");
    EXPECT_FALSE(Find<QWidget>("Grid1")->isEnabled());
    EXPECT_TRUE(Find<QWidget>("Frame1")->isEnabled()) << "a transfer frees the band list";
    EXPECT_TRUE(Action("mnulock")->isChecked());
    Action("mnulock")->trigger();
    Action("mnulock")->trigger();
    EXPECT_FALSE(Find<QWidget>("Frame1")->isEnabled()) << "locking again disables it again";
}

TEST_F(Transfers, WriteToARadioOfAnotherBandAsksOnce) {
    Start(Parameters{0, 0, 1});
    StartRadio(RadioImage(), 2);
    MessageBoxHand hand({kIdYes});
    ToolbarAction(6)->trigger();
    ASSERT_TRUE(TransferDone());
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_EQ(hand.Seen()[0].text,
              QStringLiteral("Frequency band with discrepancies, do you wish to continue?"));
    EXPECT_EQ(hand.Seen()[0].buttons, QStringList({"Yes", "No"}));
    const RadioRecord record = radio->Snapshot();
    EXPECT_EQ(record.blocksWritten.size(), 88u);
    const ImageBytes written = EncodeImage(State());
    EXPECT_EQ(record.memory[0x10 + 0x1AD], written[0x1AD]) << "the set-up's band code";
}

// The watchdog keeps running while the band question is open. When it ends the write first, the
// question closes before the next message opens, and that message says to write again; the
// next write, answered at once, goes through.
TEST_F(Transfers, AQuestionLeftOpenTooLongClosesAndTheWriteIsToBeDoneAgain) {
    Start(Parameters{0, 0, 1});
    StartRadio(RadioImage(), 2);
    MessageBoxHand hand({MessageBoxHand::Late(kIdYes), kIdOk});
    ToolbarAction(6)->trigger();
    ASSERT_TRUE(TransferDone());
    ASSERT_EQ(hand.Seen().size(), 2u);
    EXPECT_EQ(hand.Seen()[0].text,
              QStringLiteral("Frequency band with discrepancies, do you wish to continue?"));
    EXPECT_EQ(hand.Seen()[1].text,
              QStringLiteral("The radio stopped waiting before the question was answered; the "
                             "write was broken off. Write the radio again."));
    EXPECT_EQ(hand.Seen()[1].icon, QMessageBox::Critical);
    EXPECT_FALSE(hand.Seen()[1].overAnotherBox) << "the question was closed first";
    EXPECT_EQ(hand.LateAnswers(), 0) << "no question was left to answer";
    EXPECT_TRUE(radio->Snapshot().blocksWritten.empty());
    EXPECT_TRUE(Action("mnuwriteFre")->isEnabled());

    hand.Answer(kIdYes);
    ToolbarAction(6)->trigger();
    ASSERT_TRUE(TransferDone());
    ASSERT_EQ(hand.Seen().size(), 3u);
    EXPECT_EQ(hand.Seen()[2].text, hand.Seen()[0].text);
    EXPECT_EQ(radio->Snapshot().blocksWritten.size(), 88u);
}

TEST_F(Transfers, AClosedPortIsExplainedAndNothingElseHappens) {
    Start(Parameters{0, 0, 1});
    qputenv("QV7100_COM1", "/dev/qv7100-no-such-device");
    MessageBoxHand hand({kIdOk});
    Action("mnuwriteFre")->trigger();
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_TRUE(hand.Seen()[0].text.startsWith(QStringLiteral("Communication port not open")));
    EXPECT_EQ(hand.Seen()[0].icon, QMessageBox::Information);
    EXPECT_TRUE(Find<QToolBar>("Toolbar1")->isEnabled());
}

TEST_F(Transfers, ASilentRadioEndsInTheCommunicationError) {
    Start();
    StartRadio(RadioImage(), 0, RadioFault{RadioFaultKind::Silent, 0});
    MessageBoxHand hand({kIdOk});
    Action("mnureadFre")->trigger();
    ASSERT_TRUE(TransferDone());
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_EQ(hand.Seen()[0].text,
              QStringLiteral("通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！"));
    EXPECT_EQ(hand.Seen()[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(Find<QToolBar>("Toolbar1")->isEnabled());
    EXPECT_TRUE(State().Grid1[2][kColRxFrequency].empty());
}

// After the communication error the status bar says how the read or the comparison ended, in the
// language shown, until the next transfer.
TEST_F(Transfers, AFailedReadOrComparisonSaysSoInTheStatusBar) {
    const struct {
        const char* command;
        QString chinese;
        QString english;
    } cases[] = {
        {"mnureadFre", QStringLiteral("读频失败：通信出错"),
         QStringLiteral("Read failed: communication error")},
        {"mnuCompare", QStringLiteral("比较失败：无法读取对讲机"),
         QStringLiteral("Compare failed: the radio could not be read")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        window.reset();
        program.reset();
        Start();
        StartRadio(RadioImage(), 0, RadioFault{RadioFaultKind::Silent, 0});
        MessageBoxHand hand({kIdOk});
        Action(c.command)->trigger();
        ASSERT_TRUE(TransferDone());
        ASSERT_EQ(hand.Seen().size(), 1u);
        auto* status = Find<QLabel>("Label");
        EXPECT_TRUE(status->isVisible());
        EXPECT_EQ(status->text(), c.chinese);
        Action("mnuEnglish")->trigger();
        EXPECT_EQ(status->text(), c.english);
        radio->Stop();
    }
}

// Under the communication error, in the window's language: the port, what went wrong and where,
// and after a write that had sent data, that the radio should be written again.
TEST_F(Transfers, AFailedTransferSaysWhyUnderTheCommunicationError) {
    Start();
    const struct {
        const char* language;  // the menu item that chooses it
        RadioFault fault;
        bool write;
        std::string details;  // after "COM1 (device)" and the colon
    } cases[] = {
        {"mnuChinese",
         {RadioFaultKind::Silent, 0},
         false,
         "：对讲机对联机信号没有应答：对讲机开机了吗？写频线插好了吗？"},
        {"mnuChinese",
         {RadioFaultKind::WrongModel, 0},
         true,
         "：应答的是其他型号的对讲机，不是 QV-7100"},
        {"mnuEnglish",
         {RadioFaultKind::NoReplyToBlock, 30},
         true,
         ": the radio gave no valid answer to write frame 30\n"
         "the radio may now hold a mix of its old and the new set-up: write it again"},
        {"mnuEnglish",
         {RadioFaultKind::CablePulled, 7},
         false,
         ": the serial device went away (cable or adapter unplugged?) at read request 7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.details);
        Action(c.language)->trigger();
        StartRadio(RadioImage(), 0, c.fault);
        MessageBoxHand hand({kIdOk});
        Action(c.write ? "mnuwriteFre" : "mnureadFre")->trigger();
        ASSERT_TRUE(TransferDone());
        ASSERT_EQ(hand.Seen().size(), 1u);
        const bool english = std::string_view(c.language) == "mnuEnglish";
        EXPECT_EQ(
            hand.Seen()[0].text,
            english ? QStringLiteral("Communication error, please check the intercom model, "
                                     "fault, attachment and computer serial choice!")
                    : QStringLiteral("通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！"));
        EXPECT_EQ(hand.Seen()[0].details.toStdString(),
                  "COM1 (" + radio->DevicePath() + ")" + c.details);
        EXPECT_EQ(hand.Seen()[0].icon, QMessageBox::Critical);
        radio->Stop();
    }
}

TEST_F(Transfers, PortMenuMarksTheOpenedPortAndExplainsAMissingOne) {
    Start();
    StartRadio(RadioImage(), 0);
    Action("mnucom1")->trigger();
    EXPECT_TRUE(Action("mnucom1")->isChecked());
    EXPECT_EQ(State().CommPortNumber, 1);

    qputenv("QV7100_COM2", "/dev/qv7100-no-such-device");
    MessageBoxHand hand({kIdOk});
    Action("mnucom2")->trigger();
    qunsetenv("QV7100_COM2");
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_EQ(hand.Seen()[0].text,
              QStringLiteral("本机没有串口 COM2 (/dev/qv7100-no-such-device)：请插好写频线，"
                             "或选择其它串口。"));
    EXPECT_FALSE(Action("mnucom1")->isChecked());
    EXPECT_FALSE(Action("mnucom2")->isChecked());
    EXPECT_EQ(State().CommPortNumber, 1) << "the saved port stays";
    window->close();
    EXPECT_EQ(ReadParameterFile(folder / kParameterFileName).port, 1);
}

// A pseudo-terminal line whose device nobody but root may open.
class ForbiddenLine {
  public:
    ForbiddenLine() {
        std::array<char, 128> name{};
        if (::openpty(&master_, &slave_, name.data(), nullptr, nullptr) != 0) return;
        device_ = name.data();
        ::chmod(device_.c_str(), 0);
    }
    ~ForbiddenLine() {
        if (master_ >= 0) ::close(master_);
        if (slave_ >= 0) ::close(slave_);
    }
    ForbiddenLine(const ForbiddenLine&) = delete;
    ForbiddenLine& operator=(const ForbiddenLine&) = delete;
    const std::string& Device() const { return device_; }

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string device_;
};

// While it lives, a test that runs as root runs as the user "nobody" (root may open every
// device); the saved user stays root, so that root comes back.
class AsOrdinaryUser {
  public:
    AsOrdinaryUser() {
        if (::geteuid() != 0 || ::setresgid(kNobody, kNobody, 0) != 0) return;
        groupDropped_ = true;
        userDropped_ = ::setresuid(kNobody, kNobody, 0) == 0;
    }
    ~AsOrdinaryUser() {
        if (userDropped_ && ::setresuid(0, 0, 0) != 0) std::abort();
        if (groupDropped_ && ::setresgid(0, 0, 0) != 0) std::abort();
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

  private:
    static constexpr uid_t kNobody = 65534;
    bool groupDropped_ = false;
    bool userDropped_ = false;
};

// Why COM1 will not open, said alike by the port menu and, under their own message, by Read and
// Write: no such port, no permission, or another program holds it.
TEST_F(Transfers, APortThatWillNotOpenIsExplainedByTheMenuAndByReadAndWrite) {
    Start(Parameters{0, 0, 1});
    ForbiddenLine forbidden;
    ASSERT_FALSE(forbidden.Device().empty());
    std::array<int, 2> held{-1, -1};
    std::array<char, 128> heldName{};
    ASSERT_EQ(::openpty(&held[0], &held[1], heldName.data(), nullptr, nullptr), 0);
    QSerialPort otherProgram(QString::fromLocal8Bit(heldName.data()));
    ASSERT_TRUE(otherProgram.open(QIODevice::ReadWrite));

    const struct {
        const char* name;
        std::string device;
        bool asOrdinaryUser;
        QString says;  // words of the diagnosis
    } cases[] = {
        {"missing", "/dev/qv7100-no-such-device", false, "There is no serial port COM1"},
        // The device's own owner and mode, as the system shows them.
        {"no permission", forbidden.Device(), true, "may use it (mode 0000); no group may."},
        {"held by another program", heldName.data(), false,
         "Serial port 1 has been other programs use"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        qputenv("QV7100_COM1", QByteArray::fromStdString(c.device));
        MessageBoxHand hand({kIdOk, kIdOk, kIdOk});
        {
            std::optional<AsOrdinaryUser> user;
            if (c.asOrdinaryUser) user.emplace();
            Action("mnucom1")->trigger();
            Action("mnureadFre")->trigger();
            ToolbarAction(6)->trigger();
        }
        ASSERT_EQ(hand.Seen().size(), 3u);
        const QString diagnosis = hand.Seen()[0].text;
        EXPECT_TRUE(diagnosis.contains(c.says)) << diagnosis.toStdString();
        EXPECT_TRUE(hand.Seen()[0].details.isEmpty());
        for (const test::SeenBox& transfer : {hand.Seen()[1], hand.Seen()[2]}) {
            EXPECT_EQ(transfer.text,
                      QStringLiteral("Communication port not open, please first selection menu "
                                     "'communication port' to open its serial ports!"));
            EXPECT_EQ(transfer.details, diagnosis);
            EXPECT_EQ(transfer.icon, QMessageBox::Information);
        }
        EXPECT_FALSE(Action("mnucom1")->isChecked());
        EXPECT_TRUE(Action("mnureadFre")->isEnabled());
    }
    ::close(held[0]);
    ::close(held[1]);
}

}  // namespace
}  // namespace qv
