// The optional-functions dialog, the calibration window and calibration access as a user meets
// them: real windows, real clicks and keys, and a virtual radio on a pseudo-terminal.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QTableView>
#include <QToolBar>

#include <algorithm>
#include <memory>
#include <vector>

#include "gui/gui_test_support.h"
#include "gui/shell/twips.h"
#include "i18n/msgbox.h"
#include "image/image_codec.h"
#include "rules/dialogs/service_access.h"
#include "rules/dialogs/time_of_day.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "sim/pty_server.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

using test::MessageBoxHand;
using test::ScriptedHost;

// The labels of the service pattern, by the names the dialog gives them.
QString LabelName(ServiceLabel label) {
    switch (label) {
        case ServiceLabel::Label14:
            return QStringLiteral("Label14");
        case ServiceLabel::Label17:
            return QStringLiteral("Label17");
        case ServiceLabel::Label18:
            return QStringLiteral("Label18");
    }
    return {};
}

class OptionalFunctionsAndCalibration : public test::GuiTest {
  protected:
    std::unique_ptr<PtyServer> radio;

    void TearDown() override {
        SetTimeOfDayClock({});
        if (radio) radio->Stop();
        GuiTest::TearDown();
    }

    // The window, opened from its menu item when the program has not made it yet.
    QWidget& Form5() { return Made("Form5", "mnudtmf"); }
    QWidget& Form2() { return Made("Form2", "mnudebug"); }
    QWidget& Made(const char* name, const char* menuItem) {
        if (Window(QString::fromLatin1(name)) == nullptr) Action(menuItem)->trigger();
        return *Window(QString::fromLatin1(name));
    }
    template <typename T = QWidget>
    T* In5(const char* name) {
        return Find<T>(QString::fromLatin1(name), &Form5());
    }
    template <typename T = QWidget>
    T* In2(const char* name) {
        return Find<T>(QString::fromLatin1(name), &Form2());
    }

    void OpenOptionalFunctions() {
        Action("mnudtmf")->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form5()));
    }
    void OpenCalibrationWindow() {
        Action("mnudebug")->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form2()));
    }

    // A list moved by `steps` items with the arrow keys, as a user does with the list closed.
    static void Step(QComboBox* list, int steps) {
        list->setFocus();
        for (int k = 0; k < std::abs(steps); ++k) {
            QTest::keyClick(list, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        }
    }

    // An item picked from the opened list with the mouse.
    static void Pick(QComboBox* list, int position) {
        list->showPopup();
        QAbstractItemView* items = list->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(items->window()));
        const QRect item = items->visualRect(items->model()->index(position, 0));
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, item.center());
    }

    void ClickServicePattern(std::size_t clicks = kServicePattern.size()) {
        for (std::size_t k = 0; k < clicks; ++k) {
            QTest::mouseClick(Find<QLabel>(LabelName(kServicePattern[k]), &Form5()),
                              Qt::LeftButton);
        }
    }

    // Clicks a code cell (row 1..8) and replaces its text by typing `keys`; Enter ends the edit.
    QLineEdit* TypeIntoCodeCell(int row, const QString& keys, bool enter) {
        auto* grid = In5<QTableView>("mfgrid1");
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        auto* editor =
            qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(row - 1, 1)));
        if (editor == nullptr) return nullptr;
        QTest::keyClick(editor, Qt::Key_End);
        while (!editor->text().isEmpty()) QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, keys);
        if (enter) {
            QTest::keyClick(editor, Qt::Key_Return);
            // The grid takes the text over once the key has been handled.
            const QModelIndex index = grid->model()->index(row - 1, 1);
            if (!QTest::qWaitFor([&] { return grid->indexWidget(index) == nullptr; })) {
                return nullptr;
            }
        }
        return editor;
    }

    // The program's COM1 wired to a virtual radio of band 0 holding the start-up set-up.
    void WireRadio() {
        ScriptedHost quiet;
        radio =
            std::make_unique<PtyServer>(VirtualRadio(EncodeImage(StartupState(quiet)), 0), false);
        std::string error;
        ASSERT_TRUE(radio->Start(&error)) << error;
        qputenv("QV7100_COM1", QByteArray::fromStdString(radio->DevicePath()));
        Action("mnucom1")->trigger();
        ASSERT_EQ(State().CommPortNumber, 1);
    }

    // Runs a transfer from the menu until the radio has taken its end byte and the menu is back.
    void Transfer(const char* item, int endsBefore) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return Action(item)->isEnabled(); }, 10000));
        Action(item)->trigger();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return radio->Snapshot().endsReceived > endsBefore; }, 30000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return Action(item)->isEnabled(); }, 10000));
    }
};

TEST_F(OptionalFunctionsAndCalibration, CancelKeepsTheChoiceForTheNextOpeningAndOkStoresIt) {
    Start();
    OpenOptionalFunctions();
    auto* ptt = In5<QComboBox>("Combo4");
    auto* channel = In5<QComboBox>("Combo1");
    EXPECT_EQ(ptt->currentText(), QStringLiteral("发射结束"));
    Step(ptt, 1);
    Step(channel, 4);
    EXPECT_EQ(ptt->currentText(), QStringLiteral("两者"));
    QTest::mouseClick(In5<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_FALSE(Form5().isVisible());
    EXPECT_EQ(State().OptionText[3], "1") << "Cancel stores nothing";
    EXPECT_EQ(EncodeImage(State())[0x159], 4) << "the current channel is its list";

    OpenOptionalFunctions();
    EXPECT_EQ(ptt->currentText(), QStringLiteral("两者")) << "the cancelled choice";
    Step(ptt, -2);
    Form5().close();  // the close box
    EXPECT_FALSE(Form5().isVisible());
    EXPECT_EQ(State().OptionText[3], "1");
    OpenOptionalFunctions();
    EXPECT_EQ(ptt->currentText(), QStringLiteral("发射开始"));
    QTest::mouseClick(In5<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(Form5().isVisible());
    EXPECT_EQ(State().OptionText[3], "0");
}

TEST_F(OptionalFunctionsAndCalibration, ChecksBoxesAndStepControlsAsTheUserLeavesThem) {
    Start();
    OpenOptionalFunctions();
    auto* check = In5<QCheckBox>("Check3");
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    EXPECT_EQ(State().Form5.Check3, 0);
    auto* box = In5<QLineEdit>("Text5");
    box->setFocus();
    QTest::keyClicks(box, "5");
    EXPECT_EQ(State().Form5.Text5, "5");
    EXPECT_EQ(In5<QScrollBar>("VScroll1")->value(), 0) << "the text does not move the step";
    auto* step = In5<QScrollBar>("VScroll1");
    step->setFocus();
    QTest::keyClick(step, Qt::Key_Down);
    EXPECT_EQ(box->text(), QStringLiteral("1")) << "the step control's own next value";
    QTest::keyClick(step, Qt::Key_Up);
    QTest::keyClick(step, Qt::Key_Up);
    EXPECT_EQ(box->text(), QStringLiteral("0")) << "no lower than 0";
    QTest::keyClick(step, Qt::Key_End);
    EXPECT_EQ(box->text(), QStringLiteral("300"));
    QTest::keyClick(In5<QPushButton>("Command1"), Qt::Key_Space);
    EXPECT_EQ(State().OptionText[18], "300");
    EXPECT_EQ(State().OptionText[22], "0");
}

// The resume delays take whole seconds 0..300: a key or a paste that would make anything else is
// not typed, so what the box shows is what the radio gets.
TEST_F(OptionalFunctionsAndCalibration, ResumeDelayBoxesTakeOnlyWholeSecondsUpTo300) {
    Start();
    OpenOptionalFunctions();
    auto* box = In5<QLineEdit>("Text5");
    box->setFocus();
    const struct {
        const char* keys;
        const char* shown;
    } typed[] = {
        {"-5", "5"},     {"999", "99"}, {"abc1.5x", "15"}, {"300", "300"},
        {"3001", "300"}, {"301", "30"}, {"0300", "030"},
    };
    for (const auto& t : typed) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), QString()) << "an empty box is allowed";
        QTest::keyClicks(box, QString::fromLatin1(t.keys));
        EXPECT_EQ(box->text(), QString::fromLatin1(t.shown)) << t.keys;
        EXPECT_EQ(State().Form5.Text5, t.shown) << t.keys;
    }
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("abc1.5x"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("030")) << "a paste the rule refuses is not pasted";
    QGuiApplication::clipboard()->setText(QStringLiteral("250"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("250"));

    QTest::keyClick(In5<QPushButton>("Command1"), Qt::Key_Space);
    EXPECT_EQ(State().OptionText[18], "250");
    EXPECT_EQ(State().OptionText[19], "") << "the box left empty, as at start-up";
    const ImageBytes image = EncodeImage(State());
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + 0x155, image.begin() + 0x159),
              (std::vector<std::uint8_t>{250, 0, 0, 0}));
}

// A step that does not change the step control's value (up at 0, down at 300) leaves the box as
// the user typed it.
TEST_F(OptionalFunctionsAndCalibration, AStepControlWritesItsBoxOnlyWhenItsValueChanges) {
    Start();
    OpenOptionalFunctions();
    auto* box = In5<QLineEdit>("Text5");
    auto* step = In5<QScrollBar>("VScroll1");
    box->setFocus();
    QTest::keyClicks(box, "25");
    step->setFocus();
    QTest::keyClick(step, Qt::Key_Up);
    EXPECT_EQ(box->text(), QStringLiteral("25")) << "the step control is at 0 already";
    // The step control's up arrow, pressed and released with the mouse.
    const QPoint upArrow(step->width() / 2, 2);
    QTest::mousePress(step, Qt::LeftButton, {}, upArrow);
    QTest::mouseRelease(step, Qt::LeftButton, {}, upArrow);
    EXPECT_EQ(box->text(), QStringLiteral("25"));
    EXPECT_EQ(State().Form5.Text5, "25");

    auto* other = In5<QLineEdit>("Text6");
    auto* otherStep = In5<QScrollBar>("VScroll2");
    otherStep->setFocus();
    QTest::keyClick(otherStep, Qt::Key_End);
    EXPECT_EQ(other->text(), QStringLiteral("300"));
    other->setFocus();
    QTest::keyClick(other, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(other, "12");
    otherStep->setFocus();
    QTest::keyClick(otherStep, Qt::Key_Down);
    QTest::keyClick(otherStep, Qt::Key_End);
    EXPECT_EQ(other->text(), QStringLiteral("12")) << "the step control is at 300 already";
    QTest::keyClick(otherStep, Qt::Key_Up);
    EXPECT_EQ(other->text(), QStringLiteral("299")) << "a change writes as before";
}

TEST_F(OptionalFunctionsAndCalibration, FixedPriorityAsksWithoutAChannelAndTakesTheFirstOne) {
    Start();
    OpenOptionalFunctions();
    auto* mode = In5<QComboBox>("Combo11");
    auto* channel = In5<QComboBox>("Combo12");
    {
        MessageBoxHand hand({kIdOk});
        Step(mode, 1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return hand.Seen().size() == 1; }));
        EXPECT_EQ(hand.Seen()[0].text, QStringLiteral("当设定为‘固定’时信道不可为空，请重设！"));
        EXPECT_EQ(hand.Seen()[0].title, QStringLiteral("提示"));
        EXPECT_EQ(mode->currentText(), QStringLiteral("无"));
    }
    State().Grid1[3][kColRxFrequency] = "435.00000";
    State().Grid1[7][kColRxFrequency] = "435.10000";
    Pick(mode, 1);
    EXPECT_EQ(channel->currentText(), QStringLiteral("03"));
    Pick(channel, 6);
    EXPECT_EQ(channel->currentText(), QStringLiteral("07"));
    MessageBoxHand hand({kIdOk});
    Pick(channel, 8);
    ASSERT_TRUE(QTest::qWaitFor([&] { return hand.Seen().size() == 1; }));
    EXPECT_EQ(hand.Seen()[0].text, QStringLiteral("不可选择空信道，请重新选择！"));
    EXPECT_EQ(channel->currentText(), QStringLiteral("03"));
}

TEST_F(OptionalFunctionsAndCalibration,
       CodeCellsTakeOnlyDtmfKeysAndWarnAboutLongCodesInEnglishToo) {
    Start(Parameters{0, 0, 1});
    OpenOptionalFunctions();
    ASSERT_NE(TypeIntoCodeCell(1, QStringLiteral("abc*#z"), true), nullptr);
    EXPECT_EQ(State().Form5.mfgrid1[1][1], "ABC*#");

    MessageBoxHand hand({kIdOk});
    ASSERT_NE(TypeIntoCodeCell(2, QStringLiteral("1234567890abcd*#1"), true), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return hand.Seen().size() == 1; }));
    EXPECT_EQ(hand.Seen()[0].text, QStringLiteral("存储器只能存储16位！"));
    EXPECT_EQ(hand.Seen()[0].title, QStringLiteral("QV-7100"));
    EXPECT_EQ(hand.Seen()[0].icon, QMessageBox::Critical);
    QTest::qWait(50);
    EXPECT_EQ(hand.Seen().size(), 1u) << "warned once";
    EXPECT_EQ(State().Form5.mfgrid1[2][1], "1234567890ABCD*#1") << "the text stays";
    QTest::mouseClick(In5<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(State().DtmfCodes[1], "1234567890ABCD*#1");
    EXPECT_EQ(State().DtmfCodes[0], "ABC*#");
}

TEST_F(OptionalFunctionsAndCalibration, ADecodedImageReplacesWhatTheOpenDialogsShow) {
    Start();
    program->Changed(OpenCalibrationAccess(State()));
    OpenOptionalFunctions();
    OpenCalibrationWindow();
    // Edits nobody confirmed: a list, a code cell still being typed, a slider.
    Step(In5<QComboBox>("Combo4"), 1);
    QLineEdit* editor = TypeIntoCodeCell(1, QStringLiteral("99"), false);
    ASSERT_NE(editor, nullptr);
    auto* slider = In2<QSlider>("Slider1");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Left);
    EXPECT_EQ(In2<QLabel>("Lblpower1")->text(), QStringLiteral("207"));

    ScriptedHost quiet;
    ProgramState other = StartupState(quiet);
    other.OptionText[3] = "0";
    other.DtmfCodes[0] = "*0#";
    other.PowerHighLevel = 150;
    DecodeImageBytes(EncodeImage(other), State(), program->MessageBox());
    program->Changed(kDecodedImageChanges);

    EXPECT_EQ(In5<QComboBox>("Combo4")->currentIndex(), 0);
    auto* grid = In5<QTableView>("mfgrid1");
    EXPECT_EQ(grid->indexWidget(grid->model()->index(0, 1)), nullptr) << "the editor closed";
    EXPECT_EQ(grid->model()->index(0, 1).data().toString(), QStringLiteral("*0#"));
    EXPECT_EQ(slider->value(), 150);
    EXPECT_EQ(In2<QLabel>("Lblpower1")->text(), QStringLiteral("150"));
    EXPECT_TRUE(slider->isEnabled()) << "a decode leaves the sliders";
    EXPECT_FALSE(State().CalibrationUnlocked);
    QTest::qWait(20);
    EXPECT_EQ(State().Form5.mfgrid1[1][1], "*0#") << "the closed editor took nothing over";
    EXPECT_EQ(State().DtmfCodes[0], "*0#");
}

TEST_F(OptionalFunctionsAndCalibration, CaptionsInBothLanguagesAndTheTextsThatStayChinese) {
    Start(Parameters{0, 0, 1});
    EXPECT_EQ(Form5().windowTitle(), QStringLiteral("Optional Function"));
    const struct {
        const char* control;
        const char* english;
        const char* chinese;
    } labels[] = {
        {"Label14", "Priority", "优先"},
        {"Label19", "Scan receive delay time(S)", "扫描接收恢复延时时间(秒)"},
        {"Label25", "DTMF 速率", "DTMF 速率"},
        {"Label22", "*和#音", "*和#音"},
    };
    for (const auto& l : labels) {
        EXPECT_EQ(In5<QLabel>(l.control)->text(), QString::fromUtf8(l.english)) << l.control;
    }
    EXPECT_EQ(In5<QCheckBox>("Check4")->text(), QStringLiteral("Received banned VOX"));
    EXPECT_EQ(In5<QGroupBox>("Frame2")->title(), QStringLiteral("Scan"));
    EXPECT_EQ(In5<QGroupBox>("Frame3")->title(), QStringLiteral("DTMF"));
    EXPECT_TRUE(In5<QGroupBox>("Frame3")->isHidden());
    EXPECT_EQ(In5<QComboBox>("Combo11")->itemText(1), QStringLiteral("Fixed"));
    EXPECT_EQ(In5<QComboBox>("Combo13")->itemText(0), QStringLiteral("Empty"));
    EXPECT_EQ(In5<QComboBox>("Combo13")->itemText(91), QStringLiteral("5.00 S"));
    EXPECT_EQ(In5<QComboBox>("Combo19")->itemText(0), QStringLiteral("D码"));
    EXPECT_EQ(In5<QComboBox>("Combo22")->itemText(1), QStringLiteral("*"));
    EXPECT_EQ(In5<QComboBox>("Combo18")->count(), 19);
    auto* header = In5<QTableView>("mfgrid1")->model();
    EXPECT_EQ(header->headerData(0, Qt::Horizontal).toString(), QStringLiteral("编号"));
    EXPECT_EQ(header->headerData(1, Qt::Horizontal).toString(), QStringLiteral("自动拨号存储器"));
    EXPECT_EQ(In5("Combo11")->accessibleName(), QStringLiteral("Priority"));
    EXPECT_EQ(In5("VScroll2")->accessibleName(), QStringLiteral("Scan launch delay time(S)"));
    EXPECT_EQ(Form2().windowTitle(), QStringLiteral("Debug"));
    EXPECT_EQ(In2<QGroupBox>("Frame1")->title(), QStringLiteral("TX-Hight Power"));
    EXPECT_EQ(In2<QLabel>("Label8")->text(), QStringLiteral("Hight"));
    EXPECT_EQ(In2<QLabel>("Label6")->text(), QStringLiteral("Low"));
    EXPECT_EQ(In2("Slider3")->accessibleName(), QStringLiteral("TX-Low Power"));

    Action("mnuChinese")->trigger();
    EXPECT_EQ(Form5().windowTitle(), QStringLiteral("可选功能"));
    for (const auto& l : labels) {
        EXPECT_EQ(In5<QLabel>(l.control)->text(), QString::fromUtf8(l.chinese)) << l.control;
    }
    EXPECT_EQ(In5<QComboBox>("Combo13")->itemText(0), QStringLiteral("空"));
    EXPECT_EQ(In5("VScroll1")->accessibleName(), QStringLiteral("扫描接收恢复延时时间(秒)"));
    EXPECT_EQ(Form2().windowTitle(), QStringLiteral("Debug"));
    EXPECT_EQ(In2<QGroupBox>("Frame1")->title(), QStringLiteral("发射高功率"));
    EXPECT_EQ(In2("Slider1")->accessibleName(), QStringLiteral("发射高功率"));
}

TEST_F(OptionalFunctionsAndCalibration, TheCodeGridLiesBeyondTheControlsWithAStripInSight) {
    for (const int english : {0, 1}) {
        SCOPED_TRACE(english);
        Start(Parameters{0, 0, static_cast<std::uint8_t>(english)});
        OpenOptionalFunctions();
        QWidget& dialog = Form5();
        auto* grid = In5<QTableView>("mfgrid1");
        EXPECT_GE(dialog.width(), TwipsToPixelsX(9780, dialog));
        EXPECT_GE(dialog.height(), TwipsToPixelsY(6165, dialog));
        EXPECT_EQ(dialog.width() - grid->x(), TwipsToPixelsX(300, dialog)) << "a strip shows";
        EXPECT_GT(grid->x() + grid->width(), dialog.width()) << "the rest lies beyond the edge";
        for (QWidget* control : dialog.findChildren<QWidget*>()) {
            if (!control->isVisible() || control == grid || grid->isAncestorOf(control)) continue;
            if (!control->objectName().startsWith(QStringLiteral("Combo")) &&
                !control->objectName().startsWith(QStringLiteral("Command"))) {
                continue;
            }
            const QRect at(control->mapTo(&dialog, QPoint(0, 0)), control->size());
            EXPECT_LE(at.right(), grid->x()) << control->objectName().toStdString();
        }
        // A wider window shows the grid whole.
        dialog.resize(grid->x() + grid->width() + 10, dialog.height());
        EXPECT_TRUE(dialog.rect().contains(grid->geometry()));
        window.reset();
        program.reset();
    }
}

TEST_F(OptionalFunctionsAndCalibration,
       TheServicePatternOpensAccessAndTheWriteSendsTheCalibrationBlock) {
    Start();
    WireRadio();
    OpenCalibrationWindow();
    EXPECT_FALSE(In2("Slider1")->isEnabled());
    EXPECT_EQ(In2<QLabel>("Lblpower1")->text(), QStringLiteral("208"));
    EXPECT_EQ(In2<QLabel>("Lblpower3")->text(), QStringLiteral("92"));
    OpenOptionalFunctions();
    ClickServicePattern(kServicePattern.size() - 1);
    EXPECT_FALSE(Action("Toolbar1Button7")->isVisible()) << "one click short";
    ClickServicePattern(0);
    QTest::mouseClick(In5<QLabel>("Label14"), Qt::LeftButton);  // the pattern's last click
    EXPECT_TRUE(Action("Toolbar1Button7")->isVisible());
    EXPECT_TRUE(State().CalibrationUnlocked);
    EXPECT_TRUE(In2("Slider1")->isEnabled());
    EXPECT_TRUE(In2("Slider3")->isEnabled());

    auto* slider = In2<QSlider>("Slider1");
    slider->setFocus();
    for (int k = 0; k < 3; ++k) QTest::keyClick(slider, Qt::Key_PageDown);
    EXPECT_EQ(In2<QLabel>("Lblpower1")->text(), QStringLiteral("193"));
    QTest::mouseClick(In2<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(State().PowerHighLevel, 193);
    EXPECT_FALSE(Form2().isVisible());

    Transfer("mnuwriteFre", 0);
    RadioRecord record = radio->Snapshot();
    EXPECT_EQ(record.blocksWritten.size(), 89u);
    EXPECT_EQ(std::count(record.blocksWritten.begin(), record.blocksWritten.end(), 0x180), 1);
    EXPECT_EQ(record.memory[0x183], 193);
    EXPECT_EQ(record.memory[0x188], 92);

    // A read closes access; the next write leaves the calibration block, though the button and
    // the sliders stay as they were. The levels were written but not saved to a file: the read
    // asks first, and is let go on.
    {
        MessageBoxHand discard({kIdDiscard});
        Transfer("mnureadFre", 1);
        EXPECT_EQ(discard.Seen().size(), 1u);
    }
    EXPECT_FALSE(State().CalibrationUnlocked);
    EXPECT_TRUE(Action("Toolbar1Button7")->isVisible());
    EXPECT_TRUE(In2("Slider1")->isEnabled());
    Transfer("mnuwriteFre", 2);
    record = radio->Snapshot();
    EXPECT_EQ(record.blocksWritten.size(), 89u + 88u);
    EXPECT_EQ(std::count(record.blocksWritten.begin(), record.blocksWritten.end(), 0x180), 1);
}

TEST_F(OptionalFunctionsAndCalibration, TheServiceButtonClosesAccessOnADoubleClick) {
    Start();
    OpenOptionalFunctions();
    ClickServicePattern();
    ASSERT_TRUE(Action("Toolbar1Button7")->isVisible());
    int now = 10'600;
    SetTimeOfDayClock([&now] { return now; });
    QAction* button = Action("Toolbar1Button7");
    button->trigger();
    now = 12'300;
    button->trigger();
    EXPECT_TRUE(button->isVisible()) << "1.7 s after the stored 11 s";
    now = 12'500;
    button->trigger();
    EXPECT_FALSE(button->isVisible());
    EXPECT_FALSE(State().CalibrationUnlocked);
    EXPECT_FALSE(In2("Slider1")->isEnabled());

    // On the real clock, with the mouse.
    SetTimeOfDayClock({});
    ClickServicePattern();
    ASSERT_TRUE(button->isVisible());
    QWidget* onToolbar = Find<QToolBar>("Toolbar1")->widgetForAction(button);
    ASSERT_NE(onToolbar, nullptr);
    // What the system sends for a double click: a click, then a second press as a double click.
    QTest::mouseClick(onToolbar, Qt::LeftButton);
    QTest::mouseDClick(onToolbar, Qt::LeftButton);
    QTest::mouseRelease(onToolbar, Qt::LeftButton);
    EXPECT_FALSE(button->isVisible());
    EXPECT_FALSE(In2("Slider3")->isEnabled());
    EXPECT_FALSE(State().CalibrationUnlocked);
}

}  // namespace
}  // namespace qv
