// The channel grid and its in-place editors as a user meets them: presses, keys, lists, the lock
// and the language switch, on the real widgets.
#include <QAbstractItemView>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>

#include "gui/mainwindow/channel_grid_test_support.h"
#include "i18n/list_items.h"
#include "i18n/msgbox.h"
#include "image/image_codec.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

using test::GridTest;
using test::MessageBoxHand;
using Flags = std::array<int, 12>;

class GridEditors : public GridTest {
  protected:
    // A channel of the first band: receive tone 67.0, transmit tone D023N, low power, busy
    // inhibit on carrier, narrow, not scanned; its list cells in the language shown.
    void PutSample(int channel) {
        const Language language = CaptionLanguage(State().LanguageIsEnglish);
        const auto item = [language](ListId list, int position) {
            return std::string(ListItem(list, position, language));
        };
        PutChannel(
            channel,
            {"435.12500", "67.0", "436.12500", "D023N", item(ListId::Power, 0),
             item(ListId::BusyLockout, 1), item(ListId::Bandwidth, 0), item(ListId::ScanAdd, 0)},
            {0, 0, 1, 0, 51, 0, 1, 0, 0, 0, 0, 0});
    }
};

TEST_F(GridEditors, TheGridShowsItsColumnsRowLabelsAndGroupColours) {
    Start();
    PutSample(17);
    QTableView* grid = Grid();
    EXPECT_EQ(grid->model()->rowCount(), 48);
    EXPECT_EQ(grid->model()->columnCount(), 9);
    EXPECT_TRUE(grid->horizontalHeader()->isVisible()) << "the header row";
    const int twips[] = {800, 1330, 1000, 1330, 1000, 800, 850, 1000, 900};
    for (int column = 0; column < 9; ++column) {
        EXPECT_GE(grid->columnWidth(column), twips[column] * grid->logicalDpiX() / 1440) << column;
    }
    EXPECT_GE(grid->rowHeight(47), 300 * grid->logicalDpiY() / 1440);
    const QStringList labels = {Shown(1, 0),  Shown(16, 0), Shown(17, 0),
                                Shown(32, 0), Shown(33, 0), Shown(48, 0)};
    EXPECT_EQ(labels, QStringList({"G1-01", "G1-16", "G2- 01", "G2- 16", "G3- 01", "G3- 16"}));
    EXPECT_EQ(Cell(17, 4).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    const QStringList headers = [grid] {
        QStringList texts;
        for (int column = 0; column < 9; ++column) {
            texts << grid->model()->headerData(column, Qt::Horizontal).toString();
        }
        return texts;
    }();
    EXPECT_EQ(headers, QStringList({"信道", "接收频率", "亚音频", "发射频率", "亚音频", "功率",
                                    "禁发", "宽\\窄带", "扫描添加"}));

    // What is painted: each group's colour over all nine columns, the first group the grid's own.
    Grid()->clearSelection();
    const QImage painted = grid->viewport()->grab().toImage();
    const auto colourAt = [&](int channel, int column) {
        const QRect cell = CellRect(channel, column);
        return painted.pixelColor(cell.topLeft() + QPoint(2, 2));
    };
    EXPECT_EQ(colourAt(1, 8), grid->palette().color(QPalette::Base));
    EXPECT_EQ(colourAt(16, 0), grid->palette().color(QPalette::Base));
    for (const int column : {0, 4, 8}) {
        EXPECT_EQ(colourAt(17, column), QColor(192, 192, 255)) << column;
        EXPECT_EQ(colourAt(20, column), QColor(192, 192, 255)) << column;
    }
    grid->scrollToBottom();
    const QImage bottom = grid->viewport()->grab().toImage();
    const QRect last = CellRect(48, 8);
    EXPECT_EQ(bottom.pixelColor(last.topLeft() + QPoint(2, 2)), QColor(160, 192, 255));
}

TEST_F(GridEditors, APressOnAnEmptyRowOpensItsReceiveEditorOverTheCell) {
    Start();
    Press(5, 4);
    ASSERT_EQ(ShownEditors(), std::vector<QWidget*>{Text1()});
    EXPECT_EQ(Text1()->geometry(), CellRect(5, 1)) << "exactly over the receive cell";
    EXPECT_EQ(Text1()->parentWidget(), Grid()->viewport());
    EXPECT_TRUE(Text1()->hasFocus());
    EXPECT_EQ(Grid()->currentIndex(), Cell(5, 1)) << "the receive cell becomes the current one";
    EXPECT_EQ(Grid()->selectionModel()->selectedIndexes(), QModelIndexList{Cell(5, 1)});
    EXPECT_EQ(Text1()->maxLength(), 9);
    EXPECT_EQ(Text1()->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(Text1()->accessibleName(), QStringLiteral("接收频率, G1-05"));
}

TEST_F(GridEditors, TypingAndEnterCommitsANewChannelAndReturnsToTheGrid) {
    Start();
    Press(3, 1);
    Type(QStringLiteral("4a3-5,.0 1e2+3"));  // only digits and the point get through
    EXPECT_EQ(Text1()->text(), QStringLiteral("435.0123"));
    Key(Qt::Key_Return);
    EXPECT_TRUE(ShownEditors().empty());
    EXPECT_TRUE(Grid()->hasFocus());
    const QStringList row = {Shown(3, 1), Shown(3, 2), Shown(3, 3), Shown(3, 4),
                             Shown(3, 5), Shown(3, 6), Shown(3, 7), Shown(3, 8)};
    EXPECT_EQ(row,
              QStringList({"435.01000", "关闭", "435.01000", "关闭", "高", "关闭", "宽带", "有"}));
    EXPECT_EQ(State().ChannelFlags[3], (Flags{0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0, 0}));

    // Backspace and Delete edit; the longest text is 9 characters.
    Press(3, 3);
    EXPECT_EQ(Text1()->text(), QStringLiteral("435.01000"));
    EXPECT_EQ(Text1()->selectedText(), Text1()->text()) << "typing replaces the frequency";
    Type(QStringLiteral("436.0062512"));
    EXPECT_EQ(Text1()->text(), QStringLiteral("436.00625"));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Home);
    Key(Qt::Key_Delete);
    Type(QStringLiteral("5"));
    EXPECT_EQ(Text1()->text(), QStringLiteral("536.0062"));
    Key(Qt::Key_Backspace);
    Type(QStringLiteral("4"));
    Key(Qt::Key_Enter);  // the keypad's Enter does the same
    EXPECT_EQ(Shown(3, 3), QStringLiteral("436.00500"));
    EXPECT_EQ(Shown(3, 1), QStringLiteral("435.01000")) << "only the edited cell changes";
}

TEST_F(GridEditors, TabLeavesAnEditorForTheGridWhichItLiesOver) {
    Start();
    Press(1, 1);
    Type(QStringLiteral("435"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Shown(1, 1), QStringLiteral("435.00000"));
    EXPECT_TRUE(Grid()->hasFocus());
    Press(1, 2);
    QTest::keyClick(OpenList(Combo8()), Qt::Key_Escape);
    Type(QStringLiteral("100"));
    Key(Qt::Key_Backtab);
    EXPECT_EQ(Shown(1, 2), QStringLiteral("100.0"));
    EXPECT_TRUE(Grid()->hasFocus());
    Press(1, 8);
    QTest::keyClick(OpenList(Combo5(8)), Qt::Key_Escape);
    Key(Qt::Key_Tab);
    EXPECT_TRUE(Grid()->hasFocus());
    EXPECT_TRUE(ShownEditors().empty());
}

TEST_F(GridEditors, OutOfBandSaysSoKeepsTheCellAndGivesTheGridTheFocus) {
    Start(Parameters{0, 0, 1});
    PutSample(2);
    MessageBoxHand hand;
    Press(2, 1);
    Type(QStringLiteral("470"));
    Key(Qt::Key_Return);
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_EQ(hand.Seen()[0].text, QStringLiteral("Beyond the frequency range"));
    EXPECT_EQ(hand.Seen()[0].buttons, QStringList({"OK"}));
    EXPECT_EQ(hand.Seen()[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(Shown(2, 1), QStringLiteral("435.12500"));
    EXPECT_TRUE(ShownEditors().empty());
    // The box took the window's activation; the grid is where the focus returns with it.
    EXPECT_EQ(window->focusWidget(), Grid());
}

TEST_F(GridEditors, LeavingAnEditorByPressingAnotherCellCommitsToTheCellItWasOpenedOn) {
    Start();
    Press(1, 1);
    Type(QStringLiteral("440"));
    Press(7, 6);  // an empty row: its receive cell opens
    EXPECT_EQ(Shown(1, 1), QStringLiteral("440.00000"));
    ASSERT_EQ(ShownEditors(), std::vector<QWidget*>{Text1()});
    EXPECT_EQ(Text1()->geometry(), CellRect(7, 1));
    EXPECT_TRUE(Text1()->text().isEmpty());
    // Emptying the receive frequency deletes the channel.
    Press(1, 1);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Return);
    EXPECT_TRUE(Shown(1, 1).isEmpty());
    EXPECT_TRUE(Shown(1, 5).isEmpty());
}

TEST_F(GridEditors, ArrowKeysMoveWithoutOpeningAndEnterOpensTheCurrentCell) {
    Start();
    Grid()->setFocus();
    EXPECT_EQ(Grid()->currentIndex(), Cell(1, 1)) << "the keyboard starts at a receive cell";
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);  // the label column is no stop
    Key(Qt::Key_Home);
    EXPECT_EQ(Grid()->currentIndex(), Cell(2, 1));
    EXPECT_TRUE(ShownEditors().empty());

    // Two channels without the mouse.
    Key(Qt::Key_Return);
    Type(QStringLiteral("435.125"));
    Key(Qt::Key_Return);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    Type(QStringLiteral("435.15"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(2, 1), QStringLiteral("435.12500"));
    EXPECT_EQ(Shown(3, 3), QStringLiteral("435.15000"));
    EXPECT_EQ(Grid()->currentIndex(), Cell(3, 1));

    // The arrow keys reach a list cell; Enter opens its list, which takes the arrows and Enter.
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_TRUE(ShownEditors().empty());
    Key(Qt::Key_Return);
    ASSERT_EQ(ShownEditors(), std::vector<QWidget*>{Combo5(5)});
    ASSERT_NE(OpenList(Combo5(5)), nullptr);
    QTest::keyClick(OpenList(Combo5(5)), Qt::Key_Up);
    QTest::keyClick(OpenList(Combo5(5)), Qt::Key_Return);
    EXPECT_EQ(Shown(3, 5), QStringLiteral("低"));
    EXPECT_EQ(State().ChannelFlags[3][kColPower], 0);
    EXPECT_TRUE(ShownEditors().empty());
    EXPECT_TRUE(Grid()->hasFocus());
}

TEST_F(GridEditors, ARightPressOnlyFocusesTheGrid) {
    Start();
    PutSample(4);
    Find<QComboBox>("Combo1")->setFocus();
    Press(4, 5, Qt::RightButton);
    EXPECT_TRUE(Grid()->hasFocus());
    EXPECT_EQ(Grid()->currentIndex(), Cell(1, 1)) << "the current cell stays";
    EXPECT_TRUE(ShownEditors().empty());
}

TEST_F(GridEditors, AToneCellOpensItsListAtTheCurrentToneAndAChoiceCommits) {
    Start();
    PutSample(6);
    Press(6, 4);
    ASSERT_EQ(ShownEditors(), std::vector<QWidget*>{Combo8()});
    const QRect cell = CellRect(6, 4);
    EXPECT_EQ(Combo8()->geometry().topLeft(), cell.topLeft());
    EXPECT_EQ(Combo8()->width(), cell.width());
    EXPECT_EQ(Combo8()->height(), Combo8()->sizeHint().height()) << "a list keeps its height";
    EXPECT_EQ(Combo8()->count(), 261);
    EXPECT_EQ(Combo8()->itemText(0), QStringLiteral("关闭"));
    EXPECT_EQ(Combo8()->itemText(50), QStringLiteral("254.1"));
    EXPECT_EQ(Combo8()->itemText(156), QStringLiteral("D023I"));
    EXPECT_EQ(Combo8()->currentIndex(), 51);
    QWidget* list = OpenList(Combo8());
    ASSERT_NE(list, nullptr) << "the list opens at once";
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Shown(6, 4), QStringLiteral("D025N"));
    EXPECT_EQ(State().ChannelFlags[6][kColTxTone], 52);
    EXPECT_TRUE(ShownEditors().empty());
    EXPECT_TRUE(Grid()->hasFocus());
}

TEST_F(GridEditors, ATypedToneLandsWhenTheEditorIsLeft) {
    Start();
    PutSample(6);
    const struct {
        const char* typed;
        const char* cell;
    } cases[] = {{"88", "88.0"}, {"50", "88.0"}, {"300", "88.0"}, {"1a0b0.0c4", "100.0"}};
    for (const auto& c : cases) {
        Press(6, 2);
        ASSERT_NE(OpenList(Combo8()), nullptr);
        QTest::keyClick(OpenList(Combo8()), Qt::Key_Escape);  // back to the text
        EXPECT_TRUE(Combo8()->hasFocus());
        Type(QString::fromUtf8(c.typed));
        Key(Qt::Key_Return);
        EXPECT_EQ(Shown(6, 2), QString::fromUtf8(c.cell)) << c.typed;
        EXPECT_TRUE(ShownEditors().empty());
        EXPECT_TRUE(Grid()->hasFocus());
    }
    EXPECT_EQ(State().ChannelFlags[6][kColRxTone], 1) << "a typed tone leaves ChannelFlags";
}

TEST_F(GridEditors, AListOpensAtItsItemCommitsOnAChoiceAndOnlyHidesWhenLeft) {
    Start(Parameters{0, 0, 1});
    PutSample(9);
    for (int element = 5; element <= 8; ++element) {
        EXPECT_EQ(Combo5(element)->count(), 2);
        EXPECT_FALSE(Combo5(element)->isEditable());
    }
    EXPECT_EQ(Combo5(6)->itemText(0), QStringLiteral("Off"));
    EXPECT_EQ(Combo5(6)->itemText(1), QStringLiteral("Carrow"));

    Press(9, 6);
    ASSERT_EQ(ShownEditors(), std::vector<QWidget*>{Combo5(6)});
    EXPECT_EQ(Combo5(6)->currentIndex(), 1);
    EXPECT_EQ(Combo5(6)->geometry().topLeft(), CellRect(9, 6).topLeft());
    ASSERT_NE(OpenList(Combo5(6)), nullptr);
    QTest::keyClick(OpenList(Combo5(6)), Qt::Key_Up);
    QTest::keyClick(OpenList(Combo5(6)), Qt::Key_Return);
    EXPECT_EQ(Shown(9, 6), QStringLiteral("Off"));
    EXPECT_EQ(State().ChannelFlags[9][kColBusyLockout], 0);
    EXPECT_TRUE(ShownEditors().empty());

    // Leaving the list without a choice changes nothing.
    Press(9, 7);
    QTest::keyClick(OpenList(Combo5(7)), Qt::Key_Escape);
    Find<QComboBox>("Combo1")->setFocus();
    EXPECT_TRUE(ShownEditors().empty());
    EXPECT_EQ(Shown(9, 7), QStringLiteral("Narrow"));

    // Its list closed, Enter or Escape takes the user back to the grid.
    Press(9, 8);
    QTest::keyClick(OpenList(Combo5(8)), Qt::Key_Escape);
    Key(Qt::Key_Escape);
    EXPECT_TRUE(Grid()->hasFocus());
    EXPECT_TRUE(ShownEditors().empty());

    // A choice reported while a list is hidden is ignored, whichever list it comes from.
    const auto before = State().Grid1[9];
    Combo5(8)->setCurrentIndex(1);
    emit Combo5(8)->activated(1);
    emit Combo5(5)->activated(1);
    EXPECT_EQ(State().Grid1[9], before);
}

TEST_F(GridEditors, TheEditorFollowsItsCellWhenTheGridScrolls) {
    Start();
    window->resize(window->width(), 300);  // the grid shows a few channels and scrolls
    QTest::qWait(20);
    Press(3, 1);
    ASSERT_GT(Grid()->verticalScrollBar()->maximum(), 0);
    Grid()->verticalScrollBar()->setValue(2);
    EXPECT_EQ(Text1()->geometry(), CellRect(3, 1));
    Grid()->setColumnWidth(0, Grid()->columnWidth(0) + 17);
    EXPECT_EQ(Text1()->geometry(), CellRect(3, 1));
}

TEST_F(GridEditors, APressSelectsOneCellAndDraggingMovesNowhere) {
    Start();
    QWidget* viewport = Grid()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, CellRect(5, 1).center());
    QTest::mouseMove(viewport, CellRect(9, 3).center());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, CellRect(9, 3).center());
    EXPECT_EQ(Grid()->currentIndex(), Cell(5, 1));
    EXPECT_EQ(Grid()->selectionModel()->selectedIndexes(), QModelIndexList{Cell(5, 1)});
    EXPECT_EQ(Text1()->geometry(), CellRect(5, 1));
}

TEST_F(GridEditors, TheLockDisablesTheGridSoNoEditorOpens) {
    Start();
    Action("mnulock")->trigger();
    EXPECT_FALSE(Grid()->isEnabled());
    Press(2, 1);
    Grid()->setFocus();
    Key(Qt::Key_Return);
    EXPECT_TRUE(ShownEditors().empty());
    EXPECT_TRUE(Shown(2, 1).isEmpty());
    Action("mnulock")->trigger();
    Press(2, 1);
    EXPECT_EQ(ShownEditors(), std::vector<QWidget*>{Text1()});
}

TEST_F(GridEditors, ALanguageSwitchRerendersTheListsAndKeepsTheTonesOfADecodedImage) {
    Start();
    test::ScriptedHost quiet;
    ProgramState sent = StartupState(quiet);
    sent.Grid1[1] = {"", "435.12500", "67.0", "435.12500", "D023N", "高", "关闭", "宽带", "有"};
    sent.Grid1[20] = {"", "436.00000", "关闭", "436.00000", "D754I", "低", "载波", "窄带", "无"};
    program->Changed(DecodeImageBytes(EncodeImage(sent), State(), program->MessageBox()));

    Action("mnuEnglish")->trigger();
    const QStringList first = {Shown(1, 2), Shown(1, 4), Shown(1, 5),
                               Shown(1, 6), Shown(1, 7), Shown(1, 8)};
    EXPECT_EQ(first, QStringList({"67.0", "D023N", "Hight", "Off", "Wide", "Have"}));
    const QStringList second = {Shown(20, 2), Shown(20, 4), Shown(20, 5),
                                Shown(20, 6), Shown(20, 7), Shown(20, 8)};
    EXPECT_EQ(second, QStringList({"Off", "D754I", "Low", "Carrow", "Narrow", "No"}));
    EXPECT_TRUE(Shown(2, 5).isEmpty()) << "an empty channel stays empty";
    EXPECT_EQ(Combo8()->itemText(0), QStringLiteral("Off"));
    EXPECT_EQ(Combo8()->itemText(1), QStringLiteral("67.0"));
    EXPECT_EQ(Combo5(5)->itemText(1), QStringLiteral("Hight"));
    EXPECT_EQ(Combo5(8)->itemText(1), QStringLiteral("Have"));

    // The editors speak the new language too.
    Press(20, 6);
    EXPECT_EQ(Combo5(6)->currentText(), QStringLiteral("Carrow"));
    EXPECT_EQ(Combo5(6)->accessibleName(), QStringLiteral("Forbid, G2- 04"));

    Action("mnuChinese")->trigger();
    EXPECT_EQ(Shown(20, 2), QStringLiteral("关闭"));
    EXPECT_EQ(Shown(1, 5), QStringLiteral("高"));
}

TEST_F(GridEditors, NewEmptiesTheShownChannelsAndAConfirmedBandChangeTheirFlagsToo) {
    Start();
    PutSample(1);
    PutSample(48);
    // The channels put in are changes not saved: New asks about them first, then warns.
    MessageBoxHand hand({kIdDiscard, kIdOk, kIdOk});
    Action("mnuNew")->trigger();
    EXPECT_TRUE(Shown(1, 1).isEmpty());
    EXPECT_TRUE(Shown(48, 5).isEmpty());
    EXPECT_EQ(Shown(48, 0), QStringLiteral("G3- 16")) << "row labels stay";
    EXPECT_EQ(State().ChannelFlags[48][kColTxTone], 51) << "New keeps ChannelFlags";

    PutSample(2);
    auto* band = Find<QComboBox>("Combo1");
    band->setFocus();
    QTest::keyClick(band, Qt::Key_Down);
    ASSERT_EQ(hand.Seen().size(), 3u);
    EXPECT_TRUE(Shown(2, 1).isEmpty());
    EXPECT_EQ(State().ChannelFlags[2], Flags{});
    EXPECT_EQ(State().ChannelFlags[48], Flags{}) << "a band change clears every channel's flags";

    // The new band's limits hold in the grid at once.
    Reactivate();
    Press(3, 1);
    Type(QStringLiteral("455"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(3, 1), QStringLiteral("455.00000"));
    EXPECT_EQ(hand.Seen().size(), 3u);
}

TEST_F(GridEditors, EveryCellTellsAScreenReaderItsColumnAndChannel) {
    Start(Parameters{0, 0, 1});
    PutSample(17);
    const QModelIndex power = Cell(17, 5);
    EXPECT_EQ(power.data(Qt::AccessibleTextRole).toString(), QStringLiteral("Power, G2- 01: Low"));
    EXPECT_EQ(Cell(33, 1).data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("RX frequency, G3- 01: "));
    EXPECT_EQ(Cell(16, 0).data(Qt::AccessibleTextRole).toString(), QStringLiteral("G1-16"));
}

}  // namespace
}  // namespace qv
