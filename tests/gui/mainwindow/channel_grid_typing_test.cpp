// Typing into the channel grid's editors however they were opened: digits into the tone box even
// while its list is open, the list staying open after the click that opened it, Escape, Ctrl+A and
// a tone list as long as the screen allows.
#include <QAbstractItemView>
#include <QScreen>

#include <algorithm>

#include "gui/mainwindow/channel_grid_test_support.h"

namespace qv {
namespace {

using Flags = std::array<int, 12>;

class GridTyping : public test::GridTest {
  protected:
    // Channel `channel`: receive tone 67.0 (list item 1), transmit tone D023N.
    void PutSample(int channel) {
        PutChannel(channel, {"435.12500", "67.0", "436.12500", "D023N", "低", "载波", "窄带", "无"},
                   {0, 0, 1, 0, 51, 0, 1, 0, 0, 0, 0, 0});
    }

    enum class Opening { Enter, Click };
    void OpenCell(Opening how, int channel, int column) {
        if (how == Opening::Click) {
            PressAndRelease(channel, column);
        } else {
            MoveTo(channel, column);
            Key(Qt::Key_Return);
        }
    }
};

TEST_F(GridTyping, DigitsTypedStraightIntoAnOpenedToneEditorGoIntoItsBox) {
    Start();
    const struct {
        Opening how;
        const char* typed;
        const char* cell;
    } cases[] = {
        {Opening::Enter, "88", "88.0"},        {Opening::Click, "88", "88.0"},
        {Opening::Enter, "1x00.0y4", "100.0"}, {Opening::Click, "2x54.1", "254.1"},
        {Opening::Enter, "300", "67.0"},       {Opening::Click, "50", "67.0"},
    };
    for (const auto& c : cases) {
        PutSample(6);
        OpenCell(c.how, 6, 2);
        ASSERT_EQ(ShownEditors(), std::vector<QWidget*>{Combo8()});
        ASSERT_NE(OpenList(Combo8()), nullptr) << "the list opens with the editor";
        Type(QString::fromUtf8(c.typed));
        EXPECT_EQ(Combo8()->currentText(),
                  QString::fromUtf8(c.typed).remove(QRegularExpression("[xy]")))
            << c.typed;
        Key(Qt::Key_Return);
        EXPECT_EQ(Shown(6, 2), QString::fromUtf8(c.cell)) << c.typed;
        EXPECT_TRUE(ShownEditors().empty());
        EXPECT_TRUE(Grid()->hasFocus());
        EXPECT_EQ(State().ChannelFlags[6][kColRxTone], 1) << "a typed tone leaves ChannelFlags";
    }
}

TEST_F(GridTyping, BackspaceReachesTheToneBoxFromTheOpenList) {
    Start();
    for (const Opening how : {Opening::Enter, Opening::Click}) {
        PutSample(6);
        OpenCell(how, 6, 4);
        Type(QStringLiteral("1117"));
        Key(Qt::Key_Backspace);
        Key(Qt::Key_Return);
        EXPECT_EQ(Shown(6, 4), QStringLiteral("111.0"));
        EXPECT_EQ(State().ChannelFlags[6][kColTxTone], 51) << "typed, not chosen";
    }
}

TEST_F(GridTyping, TheListOfAClickedCellStaysOpenAfterTheRelease) {
    Start();
    PutSample(3);
    for (const int column : {2, 4, 5, 6, 7, 8}) {
        PressAndRelease(3, column);
        QApplication::processEvents();
        ASSERT_EQ(ShownEditors().size(), 1u) << column;
        auto* list = qobject_cast<QComboBox*>(ShownEditors().front());
        ASSERT_NE(list, nullptr) << column;
        EXPECT_NE(OpenList(list), nullptr) << "column " << column;
        Key(Qt::Key_Escape);  // closes the list
        Key(Qt::Key_Escape);  // and the editor
    }
    // Letters still search the open list.
    PressAndRelease(3, 2);
    ASSERT_NE(OpenList(Combo8()), nullptr);
    Type(QStringLiteral("D"));
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(3, 2), QStringLiteral("D025N"));
    EXPECT_EQ(State().ChannelFlags[3][kColRxTone], 52);
}

TEST_F(GridTyping, EscapeInAnEditorRestoresTheCellAndReturnsToTheGrid) {
    Start();
    PutSample(2);
    PressAndRelease(2, 3);
    Type(QStringLiteral("437"));
    Key(Qt::Key_Escape);
    EXPECT_TRUE(ShownEditors().empty());
    EXPECT_TRUE(Grid()->hasFocus());
    EXPECT_EQ(Shown(2, 3), QStringLiteral("436.12500"));
    PressAndRelease(5, 1);  // somewhere else
    EXPECT_EQ(Shown(2, 3), QStringLiteral("436.12500")) << "what was typed is not stored";

    PressAndRelease(2, 2);
    Type(QStringLiteral("100"));
    Key(Qt::Key_Escape);
    EXPECT_TRUE(ShownEditors().empty());
    EXPECT_TRUE(Grid()->hasFocus());
    PressAndRelease(5, 1);
    EXPECT_EQ(Shown(2, 2), QStringLiteral("67.0"));

    // In the open list Escape only closes the list; the next one leaves the editor.
    PressAndRelease(2, 2);
    Key(Qt::Key_Escape);
    EXPECT_EQ(ShownEditors(), std::vector<QWidget*>{Combo8()});
    Key(Qt::Key_Escape);
    EXPECT_TRUE(ShownEditors().empty());
    EXPECT_TRUE(Grid()->hasFocus());
    EXPECT_EQ(Shown(2, 2), QStringLiteral("67.0"));
}

TEST_F(GridTyping, CtrlASelectsTheEditorsTextSoTypingReplacesIt) {
    Start();
    PutSample(4);
    const struct {
        int column;
        const char* typed;
        const char* cell;
    } cases[] = {{2, "100", "100.0"}, {2, "300", "67.0"}, {1, "436", "436.00000"}};
    for (const auto& c : cases) {
        PressAndRelease(4, c.column);
        if (OpenList(Combo8()) != nullptr) Key(Qt::Key_Escape);
        PressAndRelease(4, c.column);  // a second click puts the cursor into the text
        ASSERT_EQ(ShownEditors().size(), 1u);
        Key(Qt::Key_A, Qt::ControlModifier);
        Type(QString::fromUtf8(c.typed));
        Key(Qt::Key_Return);
        EXPECT_EQ(Shown(4, c.column), QString::fromUtf8(c.cell)) << c.typed;
        PutSample(4);
    }
}

TEST_F(GridTyping, TheToneListShowsAsManyItemsAsTheScreenHolds) {
    Start();
    PutSample(1);
    PressAndRelease(1, 2);
    QWidget* list = OpenList(Combo8());
    ASSERT_NE(list, nullptr);
    auto* view = qobject_cast<QAbstractItemView*>(list);
    const QRect inside = view->viewport()->rect();
    const int shown = view->indexAt(inside.bottomLeft()).row() - view->indexAt({}).row() + 1;
    const int itemHeight = view->visualRect(view->model()->index(1, 0)).height();
    ASSERT_GT(itemHeight, 0);
    const QRect screen = Combo8()->screen()->availableGeometry();
    const QRect editor(Combo8()->mapToGlobal(QPoint(0, 0)), Combo8()->size());
    // The list opens below its editor or above it, where there is more room.
    const int room = std::max(screen.bottom() - editor.bottom(), editor.top() - screen.top());
    EXPECT_GT(shown, 10);
    EXPECT_GE(shown, room / itemHeight - 2) << "the list fills the room beside its editor";
    EXPECT_TRUE(screen.contains(list->window()->frameGeometry())) << "all of it on the screen";
}

}  // namespace
}  // namespace qv
