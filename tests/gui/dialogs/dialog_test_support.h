// What the tests of the key, embedded-information and test-frequency dialogs share: a started
// program whose dialogs are opened from the Programming menu, as a user opens them.
#pragma once

#include <QPushButton>

#include "gui/gui_test_support.h"
#include "gui/shell/dialog_window.h"

namespace qv::test {

class DialogTest : public GuiTest {
  protected:
    // Opens a dialog with its menu item and waits until it is on the screen.
    DialogWindow* Open(const char* menuItem, WindowId id) {
        Action(menuItem)->trigger();
        auto* dialog = qobject_cast<DialogWindow*>(Window(ToQString(WindowName(id))));
        EXPECT_NE(dialog, nullptr) << menuItem;
        if (dialog != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        }
        return dialog;
    }
    // Clicks a button of a dialog: Command1 is OK, Command2 Cancel.
    void Click(QWidget* dialog, const char* button) {
        auto* found = Find<QPushButton>(QString::fromLatin1(button), dialog);
        ASSERT_NE(found, nullptr) << button;
        QTest::mouseClick(found, Qt::LeftButton);
    }
};

}  // namespace qv::test
