// Reading and writing a virtual radio from the main window, and the port menu.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QToolBar>

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
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Driver().Engine().IsRunning(); }, 10000));
    EXPECT_EQ(Find<QLabel>("Label")->text(), QStringLiteral("读频成功！"));
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
    const ImageBytes shown = EncodeImage(State());
    StartRadio(RadioImage(), 5);
    MessageBoxHand hand;
    Press(ToolbarButton(5));
    ASSERT_TRUE(window->Driver().Engine().IsRunning());

    for (const char* action : {"mnuNew", "mnuOpen", "mnureadFre", "mnuwriteFre"}) {
        EXPECT_FALSE(Action(action)->isEnabled()) << action;
    }
    EXPECT_FALSE(Find<QMenu>("mnupro")->menuAction()->isEnabled());
    for (const char* control : {"Combo1", "Frame2", "Grid1"}) {
        EXPECT_FALSE(Find<QWidget>(control)->isEnabled()) << control;
    }
    for (const WindowId dialog :
         {WindowId::Form2, WindowId::Form4, WindowId::Form5, WindowId::Form6, WindowId::Form7}) {
        EXPECT_FALSE(Find<QPushButton>("Command1", &window->Dialog(dialog))->isEnabled())
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
        if (dialog == nullptr || window->Driver().Engine().IsRunning()) return;
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
    EXPECT_TRUE(Find<QPushButton>("Command1", &window->Dialog(WindowId::Form5))->isEnabled());
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Driver().Engine().IsRunning(); }, 10000));
    EXPECT_EQ(status->text(), QStringLiteral("Read frequency success!"));
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
              QStringLiteral("串行端口2已被其它程序使用，请选择其它串口或关掉其程序."));
    EXPECT_FALSE(Action("mnucom1")->isChecked());
    EXPECT_FALSE(Action("mnucom2")->isChecked());
    EXPECT_EQ(State().CommPortNumber, 1) << "the saved port stays";
    window->close();
    EXPECT_EQ(ReadParameterFile(folder / kParameterFileName).port, 1);
}

}  // namespace
}  // namespace qv
