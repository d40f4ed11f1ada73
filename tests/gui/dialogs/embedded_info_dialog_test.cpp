// The embedded-information dialog: 32 characters by typing, Backspace and selections, pasting,
// and the working copy behind Cancel and OK.
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>

#include "gui/dialogs/dialog_test_support.h"

namespace qv {
namespace {

class EmbeddedInfoDialogTest : public test::DialogTest {
  protected:
    QWidget* dialog = nullptr;
    QLineEdit* text1 = nullptr;
    QLineEdit* text2 = nullptr;

    void OpenDialog() {
        dialog = Open("mnusetin", WindowId::Form7);
        text1 = Find<QLineEdit>("Text1", dialog);
        text2 = Find<QLineEdit>("Text2", dialog);
        ASSERT_NE(text1, nullptr);
        ASSERT_NE(text2, nullptr);
    }
};

const QString k32 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");

TEST_F(EmbeddedInfoDialogTest, TypingStopsAtThirtyTwoButBackspaceAndASelectionStillWork) {
    Start();
    OpenDialog();
    text1->setFocus();
    QTest::keyClicks(text1, k32 + QStringLiteral("xyz"));
    EXPECT_EQ(text1->text(), k32) << "keys past 32 characters are dropped";

    QTest::keyClick(text1, Qt::Key_Backspace);
    EXPECT_EQ(text1->text(), k32.left(31));
    QTest::keyClick(text1, Qt::Key_6);
    EXPECT_EQ(text1->text(), k32.left(31) + QStringLiteral("6"));

    // A selection is typed over, as a user selects with Shift and an arrow key.
    QTest::keyClick(text1, Qt::Key_Home);
    QTest::keyClick(text1, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_TRUE(text1->hasSelectedText());
    QTest::keyClick(text1, 'Z');
    EXPECT_EQ(text1->text(), QStringLiteral("Z") + k32.mid(1, 30) + QStringLiteral("6"));

    // Moving and deleting are no typing.
    QTest::keyClick(text1, Qt::Key_End);
    QTest::keyClick(text1, Qt::Key_Left);
    QTest::keyClick(text1, Qt::Key_Delete);
    EXPECT_EQ(text1->text().size(), 31);
    EXPECT_EQ(State().Form7.Text1, text1->text().toStdString()) << "the working copy follows";
    EXPECT_EQ(State().EmbeddedInfo[0], "");
}

TEST_F(EmbeddedInfoDialogTest, PastedTextIsKeptWholeAndStoredWhole) {
    Start();
    OpenDialog();
    const QString pasted = QStringLiteral("0123456789").repeated(4);
    QGuiApplication::clipboard()->setText(pasted);
    text1->setFocus();
    QTest::keyClicks(text1, k32);
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);  // pasting into a full box
    EXPECT_EQ(text1->text(), k32 + pasted);
    text2->setFocus();
    text2->paste();
    EXPECT_EQ(text2->text(), pasted);

    Click(dialog, "Command1");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(State().EmbeddedInfo[0], (k32 + pasted).toStdString());
    EXPECT_EQ(State().EmbeddedInfo[1], pasted.toStdString());
}

// An input method's committed text is typed text: refused by a full box, while its composition
// goes on.
TEST_F(EmbeddedInfoDialogTest, AnInputMethodTypesUnderTheSameRule) {
    Start();
    OpenDialog();
    text1->setFocus();
    QInputMethodEvent commit(QString(), {});
    commit.setCommitString(QStringLiteral("信息"));
    QCoreApplication::sendEvent(text1, &commit);
    EXPECT_EQ(text1->text(), QStringLiteral("信息"));

    text1->setText(k32);
    QInputMethodEvent another(QString(), {});
    another.setCommitString(QStringLiteral("信"));
    QCoreApplication::sendEvent(text1, &another);
    EXPECT_EQ(text1->text(), k32);
}

TEST_F(EmbeddedInfoDialogTest, CancelKeepsTheTypedTextAndOkStoresIt) {
    Start();
    OpenDialog();
    text2->setFocus();
    QTest::keyClicks(text2, QStringLiteral("Line two"));
    Click(dialog, "Command2");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(State().EmbeddedInfo[1], "");

    OpenDialog();
    EXPECT_EQ(text2->text(), QStringLiteral("Line two"));
    QTest::keyClick(text2, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible()) << "Escape cancels";
    EXPECT_EQ(State().EmbeddedInfo[1], "");

    OpenDialog();
    Click(dialog, "Command1");
    EXPECT_EQ(State().EmbeddedInfo[1], "Line two");
    EXPECT_EQ(State().EmbeddedInfo[0], "");
}

TEST_F(EmbeddedInfoDialogTest, CaptionsAndNamesInBothLanguages) {
    Start();
    OpenDialog();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("嵌入信息"));
    EXPECT_EQ(Find<QPushButton>("Command1", dialog)->text(), QStringLiteral("确定"));
    EXPECT_EQ(text2->accessibleName(), QStringLiteral("嵌入信息 2"));
    Action("mnuEnglish")->trigger();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Embedded Information"));
    EXPECT_EQ(Find<QPushButton>("Command2", dialog)->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(text1->accessibleName(), QStringLiteral("Embedded Information 1"));
    EXPECT_GE(text1->width(), 5295 * dialog->logicalDpiX() / 1440);
    EXPECT_LT(text1->y(), text2->y());
}

}  // namespace
}  // namespace qv
