// A settings dialog of the program: created once at start-up, afterwards only shown and hidden.
// It is a window of its own, without an owner, so the main window stays usable while it is open;
// its close box only hides it, unless the program is ending. A screen reader announces it as a
// dialog, by its title.
#pragma once

#include <QWidget>

#include <functional>

class QHBoxLayout;

#include "gui/shell/program.h"
#include "i18n/captions.h"

namespace qv {

class DialogWindow : public QWidget {
    Q_OBJECT

  public:
    DialogWindow(Program& program, WindowId window, QWidget* owner = nullptr);

    // Shows the window in front of the others.
    void ShowWindow();

    // The window's captions in `language`.
    void ApplyLanguage(Language language);

  protected:
    // Shows the parts of the state that changed; every dialog shows its own.
    virtual void Refresh(Changes changes) { (void)changes; }
    // The fixed texts, the captions and a first refresh, once the controls exist.
    void FinishCreation();
    // The buttons at the bottom right: OK (Command1) runs `ok`; Cancel (Command2), when the
    // window has one, and the Escape key only hide the window, as its close box does.
    QHBoxLayout* ButtonRow(std::function<void()> ok, bool withCancel = true);

    void closeEvent(QCloseEvent* event) override;

    Program& program_;

  private:
    WindowId window_;
};

}  // namespace qv
