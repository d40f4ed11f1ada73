// The test-frequency window: editing on a click, the raster rules as cells are typed, the grid as
// the working copy behind Cancel and OK.
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

#include "gui/dialogs/dialog_test_support.h"
#include "i18n/messages.h"
#include "i18n/msgbox.h"
#include "support/decimal_comma_locale.h"

namespace qv {
namespace {

constexpr int kRx = 1;
constexpr int kTx = 2;

class ServiceFrequenciesDialogTest : public test::DialogTest {
  protected:
    QWidget* dialog = nullptr;
    QTableView* grid = nullptr;

    void OpenDialog() {
        dialog = Open("mnutestfre", WindowId::Form4);
        grid = Find<QTableView>("mfgrid1", dialog);
        ASSERT_NE(grid, nullptr);
    }
    QModelIndex Cell(int row, int column) const { return grid->model()->index(row - 1, column); }
    QString Text(int row, int column) const { return Cell(row, column).data().toString(); }
    // The cell editor the grid shows, if any.
    QLineEdit* Editor() const {
        for (QLineEdit* editor : grid->viewport()->findChildren<QLineEdit*>()) {
            if (editor->isVisible()) return editor;
        }
        return nullptr;
    }
    // The grid hands an edit over and closes its editor once the Enter key has been handled.
    bool EditorCloses() const {
        return QTest::qWaitFor([this] { return Editor() == nullptr; });
    }
    void ClickCell(int row, int column) {
        const QPoint at = grid->visualRect(Cell(row, column)).center();
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
    }
    // Clicks a cell, types `text` over what it held and presses Enter, as a user would.
    void TypeInto(int row, int column, const QString& text) {
        ClickCell(row, column);
        QLineEdit* editor = Editor();
        ASSERT_NE(editor, nullptr) << "row " << row << " column " << column;
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        ASSERT_TRUE(EditorCloses());
    }
};

TEST_F(ServiceFrequenciesDialogTest, TitleStaysChineseAndHeadersFollowTheLanguage) {
    Start(Parameters{0, 0, 1});
    OpenDialog();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("测试频率"));
    const QStringList english = {"Channel", "RX Frequency", "TX Frequency"};
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(grid->model()->headerData(column, Qt::Horizontal).toString(), english[column]);
    }
    EXPECT_EQ(Find<QPushButton>("Command1", dialog)->text(), QStringLiteral("OK"));
    Action("mnuChinese")->trigger();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("测试频率"));
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("接收频率"));
    EXPECT_EQ(Find<QPushButton>("Command2", dialog)->text(), QStringLiteral("取消"));
}

TEST_F(ServiceFrequenciesDialogTest, TheGridAndItsEditorAreNamedInTheCurrentLanguage) {
    Start(Parameters{0, 0, 1});
    OpenDialog();
    EXPECT_EQ(grid->accessibleName(), QStringLiteral("Debug frequency"));
    ClickCell(4, kRx);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->accessibleName(), QStringLiteral("RX Frequency, 04"));
    QTest::keyClick(Editor(), Qt::Key_Escape);
    Action("mnuChinese")->trigger();
    EXPECT_EQ(grid->accessibleName(), QStringLiteral("测试频率"));
}

TEST_F(ServiceFrequenciesDialogTest, SixteenLabelledRowsAllInView) {
    Start();
    OpenDialog();
    ASSERT_EQ(grid->model()->rowCount(), 16);
    ASSERT_EQ(grid->model()->columnCount(), 3);
    EXPECT_EQ(Text(1, 0), QStringLiteral("01"));
    EXPECT_EQ(Text(16, 0), QStringLiteral("16"));
    const int twipsWidths[] = {900, 1530, 1530};
    for (int column = 0; column < 3; ++column) {
        EXPECT_GE(grid->columnWidth(column), twipsWidths[column] * grid->logicalDpiX() / 1440);
    }
    EXPECT_GE(grid->rowHeight(0), 300 * grid->logicalDpiY() / 1440);
    EXPECT_TRUE(grid->viewport()->rect().contains(grid->visualRect(Cell(16, kTx))))
        << "every test channel is in view";
    EXPECT_EQ(Cell(3, kRx).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
}

TEST_F(ServiceFrequenciesDialogTest, ClickedCellsEditAtOnceAndTypedFrequenciesGoOntoTheRasters) {
    Start();
    OpenDialog();
    ClickCell(1, kRx);
    ASSERT_NE(Editor(), nullptr) << "a click starts the edit";
    QTest::keyClick(Editor(), Qt::Key_Escape);

    TypeInto(1, kRx, "435.0123");
    EXPECT_EQ(Text(1, kRx), QStringLiteral("435.01000"));
    EXPECT_EQ(Text(1, kTx), QStringLiteral("435.01000"));
    TypeInto(2, kRx, "435.007");
    EXPECT_EQ(Text(2, kRx), QStringLiteral("435.00625"));
    EXPECT_EQ(Text(2, kTx), QStringLiteral("435.00625"));

    TypeInto(1, kTx, "435.007");
    EXPECT_EQ(Text(1, kTx), QStringLiteral("435.00500"));
    TypeInto(1, kTx, "435.00625");
    EXPECT_EQ(Text(1, kTx), QStringLiteral("435.00625"));
    TypeInto(1, kTx, "");
    EXPECT_EQ(Text(1, kTx), QStringLiteral("435.01000")) << "an emptied transmit cell copies";
    TypeInto(1, kRx, "");
    EXPECT_EQ(Text(1, kRx), QString());
    EXPECT_EQ(Text(1, kTx), QString()) << "an emptied receive cell empties the row";
}

TEST_F(ServiceFrequenciesDialogTest, TransmitCellOfAnEmptyRowDoesNotOpen) {
    Start();
    OpenDialog();
    ClickCell(5, kTx);
    EXPECT_EQ(Editor(), nullptr);
    ClickCell(5, 0);
    EXPECT_EQ(Editor(), nullptr) << "the label column is fixed";
    grid->setFocus();
    grid->setCurrentIndex(Cell(5, kTx));
    QTest::keyClick(grid, Qt::Key_F2);
    EXPECT_EQ(Editor(), nullptr);
}

TEST_F(ServiceFrequenciesDialogTest, ClickingIntoACellAndOutIsNoEdit) {
    Start();
    OpenDialog();
    TypeInto(3, kRx, "435.0123");
    TypeInto(3, kTx, "436.1");
    ClickCell(3, kRx);
    ASSERT_NE(Editor(), nullptr);
    ClickCell(3, 0);
    ASSERT_TRUE(EditorCloses());
    EXPECT_EQ(Text(3, kTx), QStringLiteral("436.10000")) << "the transmit frequency stays";
}

TEST_F(ServiceFrequenciesDialogTest, ArrowsMoveTypingAndEnterEdit) {
    Start();
    OpenDialog();
    grid->setFocus();
    grid->setCurrentIndex(Cell(1, kRx));
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(Editor(), nullptr) << "moving does not edit";
    EXPECT_EQ(grid->currentIndex(), Cell(2, kRx));

    QTest::keyClick(grid, Qt::Key_4);
    ASSERT_NE(Editor(), nullptr) << "typing starts the edit with the typed key";
    QTest::keyClicks(Editor(), QStringLiteral("35.0123"));
    QTest::keyClick(Editor(), Qt::Key_Return);
    ASSERT_TRUE(EditorCloses());
    EXPECT_EQ(Text(2, kRx), QStringLiteral("435.01000"));

    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_NE(Editor(), nullptr) << "Enter edits the current cell";
    EXPECT_EQ(Editor()->text(), QStringLiteral("435.01000"));
    QTest::keyClick(Editor(), Qt::Key_Escape);
    ASSERT_TRUE(EditorCloses());
    EXPECT_TRUE(dialog->isVisible()) << "Escape in a cell drops the cell's edit only";
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ServiceFrequenciesDialogTest, CancelKeepsTheEditsShownAndOkStoresThem) {
    Start();
    OpenDialog();
    TypeInto(7, kRx, "435.0123");
    Click(dialog, "Command2");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(State().TestFrequencyTable[0][6], "");

    OpenDialog();
    EXPECT_EQ(Text(7, kRx), QStringLiteral("435.01000"));
    dialog->close();
    EXPECT_EQ(State().TestFrequencyTable[1][6], "");

    OpenDialog();
    TypeInto(7, kTx, "435.007");
    Click(dialog, "Command1");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(State().TestFrequencyTable[0][6], "435.01000");
    EXPECT_EQ(State().TestFrequencyTable[1][6], "435.00500");
}

TEST_F(ServiceFrequenciesDialogTest, FrequenciesTheImageCannotHoldAreRefusedWithAMessage) {
    Start(Parameters{0, 0, 1});
    OpenDialog();
    TypeInto(2, kRx, "435.0123");
    const struct {
        int column;
        const char* typed;
        Language language;
    } cases[] = {
        {kRx, "50", Language::English},
        {kRx, "1000", Language::English},
        {kTx, "abc", Language::English},
        {kTx, "99.99999", Language::Chinese},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        if (c.language == Language::Chinese) Action("mnuChinese")->trigger();
        test::MessageBoxHand hand({kIdOk});
        TypeInto(2, c.column, QString::fromLatin1(c.typed));
        ASSERT_EQ(hand.Seen().size(), 1u) << "one message, answered with OK";
        EXPECT_EQ(hand.Seen()[0].text.toStdString(),
                  MessageText(MessageId::TestFrequencyOutOfField, c.language));
        EXPECT_EQ(Text(2, kRx), QStringLiteral("435.01000")) << "the cells keep their texts";
        EXPECT_EQ(Text(2, kTx), QStringLiteral("435.01000"));
    }
    TypeInto(2, kTx, " 999.99999 ");
    EXPECT_EQ(Text(2, kTx), QStringLiteral("999.99500"));
    Click(dialog, "Command1");
    EXPECT_EQ(State().TestFrequencyTable[0][1], "435.01000");
    EXPECT_EQ(State().TestFrequencyTable[1][1], "999.99500");
}

TEST_F(ServiceFrequenciesDialogTest, NumbersIgnoreALocaleWithADecimalComma) {
    Start();
    const test::DecimalCommaLocale locale;
    ASSERT_TRUE(locale.Active()) << test::kDecimalCommaLocale << " is missing";
    OpenDialog();
    TypeInto(1, kRx, "435.007");
    EXPECT_EQ(Text(1, kRx), QStringLiteral("435.00625"));
    TypeInto(1, kTx, "435.007");
    EXPECT_EQ(Text(1, kTx), QStringLiteral("435.00500"));
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

// A test channel confirmed with OK is a change of the set-up: the title marks it, Undo takes it
// back, and Quit asks before it is lost. Typed and not confirmed, it is none of these.
TEST_F(ServiceFrequenciesDialogTest, AConfirmedTestChannelIsAChangeNotSaved) {
    Start();
    OpenDialog();
    TypeInto(3, kRx, "435.0123");
    EXPECT_FALSE(window->windowTitle().endsWith(QLatin1Char('*'))) << "not confirmed yet";
    EXPECT_FALSE(Action("mnuUndo")->isEnabled());
    Click(dialog, "Command1");
    ASSERT_EQ(State().TestFrequencyTable[0][2], "435.01000");
    EXPECT_TRUE(window->windowTitle().endsWith(QLatin1Char('*')));
    ASSERT_TRUE(Action("mnuUndo")->isEnabled());

    Action("mnuUndo")->trigger();
    EXPECT_EQ(State().TestFrequencyTable[0][2], "");
    EXPECT_FALSE(window->windowTitle().endsWith(QLatin1Char('*')));
    Action("mnuRedo")->trigger();
    EXPECT_EQ(State().TestFrequencyTable[0][2], "435.01000");

    test::MessageBoxHand hand({kIdCancel});
    Action("mnuQuit")->trigger();
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_EQ(hand.Seen()[0].text, QStringLiteral("当前设置有尚未保存的修改。是否先保存？"));
    EXPECT_TRUE(window->isVisible()) << "Cancel keeps the program and the change";
}

}  // namespace
}  // namespace qv
