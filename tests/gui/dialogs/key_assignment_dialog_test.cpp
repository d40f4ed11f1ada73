// The key-assignment dialog as a user meets it: its frames and lists, the radio picture, the
// working copy behind Cancel and OK.
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <algorithm>

#include "gui/dialogs/dialog_test_support.h"
#include "gui/shell/radio_drawing.h"

namespace qv {
namespace {

using KeyAssignmentDialogTest = test::DialogTest;

QComboBox* List(QWidget* dialog, int entry) {
    return dialog->findChild<QComboBox*>(QStringLiteral("Combo%1").arg(entry + 1));
}

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int k = 0; k < list->count(); ++k) items << list->itemText(k);
    return items;
}

TEST_F(KeyAssignmentDialogTest, FreshStartShowsTheStartUpKeys) {
    Start();
    QWidget* dialog = Open("Key_enactment", WindowId::Form6);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("键设定"));
    EXPECT_EQ(List(dialog, 1)->currentText(), QStringLiteral("报警")) << "PF2 long";
    EXPECT_EQ(List(dialog, 8)->currentText(), QStringLiteral("OFF")) << "KB3 long";
    EXPECT_EQ(List(dialog, 9)->currentText(), QStringLiteral("OFF")) << "KB3 short";
    EXPECT_EQ(List(dialog, 0)->currentText(), QStringLiteral("瞬时取消静噪")) << "PF1 long";
    EXPECT_EQ(List(dialog, 3)->currentText(), QStringLiteral("电量查询")) << "PF2 short";
}

TEST_F(KeyAssignmentDialogTest, FramesFromTopToBottomEachWithLongPressAboveShortPress) {
    Start();
    QWidget* dialog = Open("Key_enactment", WindowId::Form6);
    QList<QGroupBox*> frames = dialog->findChildren<QGroupBox*>();
    std::sort(frames.begin(), frames.end(),
              [](QGroupBox* a, QGroupBox* b) { return a->y() < b->y(); });
    const struct {
        const char* frame;
        const char* title;
        const char* longList;
        const char* shortList;
    } expected[] = {
        {"Frame3", "PF1", "Combo1", "Combo3"}, {"Frame1", "PF2", "Combo2", "Combo4"},
        {"Frame4", "KB1", "Combo5", "Combo7"}, {"Frame2", "KB3", "Combo9", "Combo10"},
        {"Frame5", "KB2", "Combo6", "Combo8"},
    };
    ASSERT_EQ(frames.size(), 5);
    for (int k = 0; k < 5; ++k) {
        const auto& e = expected[k];
        QGroupBox* frame = frames[k];
        EXPECT_EQ(frame->objectName(), QString::fromLatin1(e.frame));
        EXPECT_EQ(frame->title(), QString::fromLatin1(e.title));
        auto* longList = frame->findChild<QComboBox*>(QString::fromLatin1(e.longList));
        auto* shortList = frame->findChild<QComboBox*>(QString::fromLatin1(e.shortList));
        ASSERT_NE(longList, nullptr) << e.frame;
        ASSERT_NE(shortList, nullptr) << e.frame;
        EXPECT_LT(longList->y(), shortList->y()) << e.frame;
        EXPECT_EQ(longList->count(), 13) << e.longList;
        EXPECT_EQ(shortList->count(), 10) << e.shortList;
    }
}

TEST_F(KeyAssignmentDialogTest, ShortPressListsNeverOfferTheLastThreeFunctions) {
    Start();
    QWidget* dialog = Open("Key_enactment", WindowId::Form6);
    for (const bool english : {false, true}) {
        Action(english ? "mnuEnglish" : "mnuChinese")->trigger();
        const QStringList longItems = Items(List(dialog, 0));
        for (const int entry : {2, 3, 6, 7, 9}) {
            const QStringList shortItems = Items(List(dialog, entry));
            EXPECT_EQ(shortItems, longItems.mid(0, 10)) << entry;
            for (int item = 10; item < 13; ++item) {
                EXPECT_FALSE(shortItems.contains(longItems[item])) << longItems[item].toStdString();
            }
        }
    }
}

TEST_F(KeyAssignmentDialogTest, CaptionsInBothLanguagesKeepTheirOwnSpelling) {
    Start(Parameters{0, 0, 1});
    QWidget* dialog = Open("Key_enactment", WindowId::Form6);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Keys Set"));
    EXPECT_EQ(Find<QLabel>("Label3", dialog)->text(), QStringLiteral("ShortPress_PF1"));
    EXPECT_EQ(Find<QLabel>("Label7", dialog)->text(), QStringLiteral("shortPress_KB1"));
    EXPECT_EQ(Find<QLabel>("Label9", dialog)->text(), QStringLiteral("LongPress_KB3"));
    EXPECT_EQ(List(dialog, 1)->currentText(), QStringLiteral("Alarm"));
    EXPECT_EQ(List(dialog, 0)->itemText(5), QStringLiteral("Channel +"));
    EXPECT_EQ(List(dialog, 0)->itemText(6), QStringLiteral("Channel -"));
    EXPECT_EQ(Find<QPushButton>("Command2", dialog)->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(List(dialog, 6)->accessibleName(), QStringLiteral("shortPress_KB1"));

    Action("mnuChinese")->trigger();
    EXPECT_EQ(Find<QLabel>("Label7", dialog)->text(), QStringLiteral("短按KB1键定义"));
    EXPECT_EQ(List(dialog, 6)->accessibleName(), QStringLiteral("短按KB1键定义"));
    EXPECT_EQ(List(dialog, 1)->currentText(), QStringLiteral("报警")) << "the choice stays";
    EXPECT_EQ(Find<QGroupBox>("Frame2", dialog)->title(), QStringLiteral("KB3"));
}

TEST_F(KeyAssignmentDialogTest, NoListIsClippedInEitherLanguage) {
    Start();
    QWidget* dialog = Open("Key_enactment", WindowId::Form6);
    for (const bool english : {false, true}) {
        Action(english ? "mnuEnglish" : "mnuChinese")->trigger();
        QTest::qWait(0);  // the layout takes in the new captions
        for (int entry = 0; entry < 10; ++entry) {
            QComboBox* list = List(dialog, entry);
            EXPECT_GE(list->width(), list->sizeHint().width())
                << entry << (english ? " en" : " zh");
        }
        EXPECT_GE(dialog->width(), 7605 * dialog->logicalDpiX() / 1440);
        EXPECT_GE(dialog->height(), 8160 * dialog->logicalDpiY() / 1440);
    }
}

TEST_F(KeyAssignmentDialogTest, CancelKeepsTheChoiceInTheListAndOkStoresIt) {
    Start();
    QWidget* dialog = Open("Key_enactment", WindowId::Form6);
    QComboBox* pf2Short = List(dialog, 3);
    pf2Short->setFocus();
    QTest::keyClick(pf2Short, Qt::Key_Down);
    EXPECT_EQ(pf2Short->currentText(), QStringLiteral("信道查询"));

    Click(dialog, "Command2");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(State().KeyFunctionCodes[3], 7) << "Cancel stores nothing";

    dialog = Open("Key_enactment", WindowId::Form6);
    EXPECT_EQ(pf2Short->currentIndex(), 8) << "the cancelled choice is still shown";
    dialog->close();  // the close box
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(State().KeyFunctionCodes[3], 7);

    dialog = Open("Key_enactment", WindowId::Form6);
    Click(dialog, "Command1");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(State().KeyFunctionCodes[3], 8);
    EXPECT_EQ(State().KeyFunctionCodes[1], 12) << "the other keys as they were";
}

TEST_F(KeyAssignmentDialogTest, EscapeCancels) {
    Start();
    QWidget* dialog = Open("Key_enactment", WindowId::Form6);
    QComboBox* kb3Long = List(dialog, 8);
    kb3Long->setFocus();
    QTest::keyClick(kb3Long, Qt::Key_Down);
    QTest::keyClick(kb3Long, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(State().KeyFunctionCodes[8], 0);
}

// Lines run from the frames, top to bottom PF1, PF2, KB1, KB3, KB2, to their keys: with the keys
// in the same order and all reached from the left, no line crosses another.
TEST(RadioDrawing, KeysLieInTheFramesOrderWithinTheDrawing) {
    QImage image(300, 600, QImage::Format_ARGB32);
    QPainter painter(&image);
    const QRectF area(50, 20, 200, 560);
    const auto keys = DrawHandset(painter, area);
    const char* order[] = {"PF1", "PF2", "KB1", "KB3", "KB2"};
    double lastY = area.top();
    for (const char* name : order) {
        const auto key = std::find_if(keys.begin(), keys.end(),
                                      [&](const HandsetKey& k) { return k.name == name; });
        ASSERT_NE(key, keys.end()) << name;
        EXPECT_TRUE(area.contains(key->anchor)) << name;
        EXPECT_GT(key->anchor.y(), lastY) << name;
        lastY = key->anchor.y();
    }
}

}  // namespace
}  // namespace qv
