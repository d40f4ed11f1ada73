// The channel grid and its editors as a test reaches them: cells by channel and column, the
// editors by their control names, and presses on a cell as a user's mouse makes them.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>

#include <array>
#include <string>

#include "gui/gui_test_support.h"

namespace qv::test {

class GridTest : public GuiTest {
  protected:
    QTableView* Grid() { return Find<QTableView>("Grid1"); }
    QModelIndex Cell(int channel, int column) {
        return Grid()->model()->index(channel - 1, column);
    }
    QRect CellRect(int channel, int column) { return Grid()->visualRect(Cell(channel, column)); }
    QString Shown(int channel, int column) { return Cell(channel, column).data().toString(); }

    void Press(int channel, int column, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Grid()->viewport(), button, {}, CellRect(channel, column).center());
    }
    // A press and then its release on a cell of the viewport, each an event of its own. They go
    // through the window, as a real mouse's do, so that a list opened by the press gets the
    // release as it would on a desktop.
    void PressAndRelease(int channel, int column) {
        // A list that was open took the window's activation when it showed, and the offscreen
        // platform does not give it back when the list closes, as a desktop does.
        QApplication::processEvents();
        if (!window->isActiveWindow()) Reactivate();
        Grid()->scrollTo(Cell(channel, column));  // where the user sees it
        QWidget* viewport = Grid()->viewport();
        ASSERT_TRUE(viewport->rect().contains(CellRect(channel, column).center()));
        QWidget* top = viewport->window();
        const QPoint at = viewport->mapTo(top, CellRect(channel, column).center());
        QTest::mousePress(top->windowHandle(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(top->windowHandle(), Qt::LeftButton, {}, at);
    }
    // Moves the grid's current cell with the keys, from the first channel's receive frequency.
    void MoveTo(int channel, int column) {
        Grid()->setFocus();
        Key(Qt::Key_Home, Qt::ControlModifier);
        for (int step = 1; step < channel; ++step) Key(Qt::Key_Down);
        for (int step = 1; step < column; ++step) Key(Qt::Key_Right);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // A message box takes the activation; the offscreen platform does not give it back.
    void Reactivate() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void Type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

    QLineEdit* Text1() { return Find<QLineEdit>("Text1"); }
    QComboBox* Combo8() { return Find<QComboBox>("Combo8"); }
    QComboBox* Combo5(int element) {
        for (auto* combo : window->findChildren<QComboBox*>("Combo5")) {
            if (combo->property("qvElement").toInt() == element) return combo;
        }
        return nullptr;
    }
    // The grid's editors that are shown.
    std::vector<QWidget*> ShownEditors() {
        std::vector<QWidget*> shown;
        for (QWidget* editor :
             {static_cast<QWidget*>(Text1()), static_cast<QWidget*>(Combo8()),
              static_cast<QWidget*>(Combo5(5)), static_cast<QWidget*>(Combo5(6)),
              static_cast<QWidget*>(Combo5(7)), static_cast<QWidget*>(Combo5(8))}) {
            if (editor->isVisible()) shown.push_back(editor);
        }
        return shown;
    }
    // The open list of a list editor, where the keys go while it is open.
    static QWidget* OpenList(QComboBox* combo) {
        return combo->view()->isVisible() ? combo->view() : nullptr;
    }

    // A channel as a radio would send it, already in the state and on screen.
    void PutChannel(int channel, std::array<std::string, 8> cells, std::array<int, 12> flags) {
        for (int column = 1; column <= 8; ++column) {
            State().Grid1[channel][column] = cells[static_cast<std::size_t>(column - 1)];
        }
        State().ChannelFlags[channel] = flags;
        program->Changed(StatePart::Grid);
    }
};

}  // namespace qv::test
