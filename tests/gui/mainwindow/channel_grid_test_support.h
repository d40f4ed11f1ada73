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
    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
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
