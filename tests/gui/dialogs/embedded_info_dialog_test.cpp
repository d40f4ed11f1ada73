// The embedded-information dialog: 32 characters by typing, Backspace and selections, pasting,
// characters the radio cannot store, and the working copy behind Cancel and OK.
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>

#include <vector>

#include "gui/dialogs/dialog_test_support.h"
#include "image/image_codec.h"
#include "rules/program/decode_image.h"

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
    commit.setCommitString(QStringLiteral("Café"));
    QCoreApplication::sendEvent(text1, &commit);
    EXPECT_EQ(text1->text(), QStringLiteral("Café"));

    text1->setText(k32);
    QInputMethodEvent another(QString(), {});
    another.setCommitString(QStringLiteral("é"));
    QCoreApplication::sendEvent(text1, &another);
    EXPECT_EQ(text1->text(), k32);
}

// Characters the radio cannot store (Chinese, and ÿ, whose code 0xFF means "no character" in the
// image) never enter a box, however they come; the rest of the edit goes in, and one note below
// the boxes names what was left out, each character once.
TEST_F(EmbeddedInfoDialogTest, CharactersTheRadioCannotStoreAreLeftOutWithANote) {
    Start();
    OpenDialog();
    auto* note = Find<QLabel>("RefusedNote", dialog);
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(note->isVisible());
    const auto type = [this](Qt::Key key, const QString& text) {
        QTest::sendKeyEvent(QTest::Press, text1, key, text, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, text1, key, text, Qt::NoModifier);
    };
    text1->setFocus();
    QTest::keyClicks(text1, QStringLiteral("Caf"));
    type(Qt::Key_Eacute, QStringLiteral("é"));
    EXPECT_EQ(text1->text(), QStringLiteral("Café")) << "é has a single-byte code";
    EXPECT_FALSE(note->isVisible());

    type(Qt::Key_ydiaeresis, QStringLiteral("ÿ"));
    EXPECT_EQ(text1->text(), QStringLiteral("Café"));
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), QStringLiteral("对讲机无法存储这些字符，已略去：“ÿ”"));

    QInputMethodEvent commit(QString(), {});
    commit.setCommitString(QStringLiteral("信息"));
    QCoreApplication::sendEvent(text1, &commit);
    EXPECT_EQ(text1->text(), QStringLiteral("Café"));
    EXPECT_EQ(note->text(), QStringLiteral("对讲机无法存储这些字符，已略去：“信息”"));

    QTest::keyClick(text1, '!');
    EXPECT_EQ(text1->text(), QStringLiteral("Café!"));
    EXPECT_FALSE(note->isVisible()) << "an edit that leaves nothing out ends the note";

    // A paste keeps what the radio stores, where the cursor stood, and names the rest once.
    QGuiApplication::clipboard()->setText(QStringLiteral("信Z信ÿ"));
    QTest::keyClick(text1, Qt::Key_Home);
    for (int k = 0; k < 3; ++k) QTest::keyClick(text1, Qt::Key_Right);
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text1->text(), QStringLiteral("CafZé!"));
    EXPECT_EQ(note->text(), QStringLiteral("对讲机无法存储这些字符，已略去：“信ÿ”"));
    Action("mnuEnglish")->trigger();
    EXPECT_EQ(note->text(),
              QStringLiteral("The radio cannot store these characters; left out: \"信ÿ\""));
    QTest::keyClick(text1, 'Y');
    EXPECT_EQ(text1->text(), QStringLiteral("CafZYé!")) << "the cursor stayed after the paste";
    EXPECT_EQ(State().Form7.Text1, text1->text().toStdString());

    // Dropped text, too.
    QMimeData dropped;
    dropped.setText(QStringLiteral("x信息y"));
    const QPoint at = text2->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(text2, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(text2, &drop);
    EXPECT_EQ(text2->text(), QStringLiteral("xy"));
    EXPECT_EQ(note->text(),
              QStringLiteral("The radio cannot store these characters; left out: \"信息\""));

    // What the boxes show is what the radio gets, and what it gives back.
    Click(dialog, "Command1");
    EXPECT_FALSE(note->isVisible()) << "hiding the window ends the note";
    EXPECT_EQ(State().EmbeddedInfo[0], "CafZY\xC3\xA9!");
    EXPECT_EQ(State().EmbeddedInfo[1], "xy");
    const ImageBytes image = EncodeImage(State());
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + 0x2F0, image.begin() + 0x2F8),
              (std::vector<std::uint8_t>{'C', 'a', 'f', 'Z', 'Y', 0xE9, '!', 0xFF}));
    ProgramState decoded = State();
    decoded.EmbeddedInfo = {};
    DecodeImageBytes(image, decoded, program->MessageBox());
    EXPECT_EQ(decoded.EmbeddedInfo, State().EmbeddedInfo);
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
