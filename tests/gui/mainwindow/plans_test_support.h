// What the tests of the history, the clipboard and the channel-plan windows share: the grid as a
// user reaches it, presses on buttons, and a hand for a window the program shows modally.
#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include <fstream>
#include <functional>
#include <iterator>

#include "gui/mainwindow/channel_grid_test_support.h"

namespace qv::test {

// Acts once on the next modal window that is neither a message box nor a file dialog, as a user
// would once it shows.
class WindowHand : public QObject {
  public:
    explicit WindowHand(std::function<void(QDialog&)> act) : act_(std::move(act)) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start();
    }
    bool Acted() const { return acted_; }

  private:
    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (acted_ || dialog == nullptr || !dialog->isVisible() ||
            qobject_cast<QMessageBox*>(dialog) != nullptr ||
            qobject_cast<QFileDialog*>(dialog) != nullptr) {
            return;
        }
        acted_ = true;
        timer_.stop();
        act_(*dialog);
    }

    std::function<void(QDialog&)> act_;
    bool acted_ = false;
    QTimer timer_;
};

// A press and a release of the left button, as a user clicks.
inline void Click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mousePress(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

inline std::string Contents(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

class PlansTest : public GridTest {
  protected:
    // Types `frequency` into the receive frequency of `channel` as a user does.
    void TypeFrequency(int channel, const QString& frequency) {
        PressAndRelease(channel, kColRxFrequency);
        ASSERT_TRUE(Text1()->isVisible());
        Type(frequency);
        Key(Qt::Key_Return);
    }
    // A key of the main window's commands, pressed in the grid as a user who has come back to the
    // window from a message box or another window.
    void Shortcut(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QApplication::processEvents();
        if (!window->isActiveWindow()) Reactivate();
        Grid()->setFocus();
        QTest::keyClick(Grid(), key, modifiers);
    }
    // Presses the toolbar button of `action`.
    void PressToolbarButton(QAction* action) {
        Click(Find<QToolBar>("Toolbar1")->widgetForAction(action));
    }
    QString Name(const std::filesystem::path& path) {
        return QString::fromStdString(path.string());
    }
};

}  // namespace qv::test
