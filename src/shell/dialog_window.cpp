#include "shell/dialog_window.h"

#include <QCloseEvent>

#include "shell/captions.h"

namespace qv {

DialogWindow::DialogWindow(Program& program, WindowId window, QWidget* owner)
    : QWidget(owner, Qt::Window), program_(program), window_(window) {
    setObjectName(ToQString(WindowName(window)));
    connect(&program_, &Program::StateChanged, this, [this](Changes changes) { Refresh(changes); });
}

void DialogWindow::ShowWindow() {
    show();
    raise();
    activateWindow();
}

void DialogWindow::ApplyLanguage(Language language) {
    ApplyCaptionTable(*this, window_, language);
}

void DialogWindow::FinishCreation() {
    ApplyFixedCaptions(*this, window_);
    ApplyLanguage(CaptionLanguage(program_.State().LanguageIsEnglish));
    Refresh(Changes::WholeSetup() | StatePart::Calibration | StatePart::Language);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    if (program_.Exiting()) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
}

}  // namespace qv
