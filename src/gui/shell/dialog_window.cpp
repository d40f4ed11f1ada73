#include "gui/shell/dialog_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include <utility>

#include "gui/shell/captions.h"

namespace qv {
namespace {

// A screen reader would take a plain widget for a filler; these windows are dialogs.
QAccessibleInterface* DialogAccessibility(const QString& className, QObject* object) {
    (void)className;
    auto* dialog = qobject_cast<DialogWindow*>(object);
    return dialog != nullptr ? new QAccessibleWidget(dialog, QAccessible::Dialog) : nullptr;
}

}  // namespace

DialogWindow::DialogWindow(Program& program, WindowId window, QWidget* owner)
    : QWidget(owner, Qt::Window), program_(program), window_(window) {
    static const bool accessibilityInstalled = [] {
        QAccessible::installFactory(DialogAccessibility);
        return true;
    }();
    (void)accessibilityInstalled;
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
    // Announced by its title, in the language shown.
    setAccessibleName(WithoutAccelerator(windowTitle()));
}

void DialogWindow::FinishCreation() {
    ApplyFixedCaptions(*this, window_);
    ApplyLanguage(CaptionLanguage(program_.State().LanguageIsEnglish));
    Refresh(Changes::WholeSetup() | StatePart::Calibration | StatePart::Language);
}

QHBoxLayout* DialogWindow::ButtonRow(std::function<void()> ok, bool withCancel) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* okButton = new QPushButton;
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setAutoDefault(true);
    connect(okButton, &QPushButton::clicked, this, std::move(ok));
    row->addWidget(okButton);
    if (withCancel) {
        auto* cancel = new QPushButton;
        cancel->setObjectName(QStringLiteral("Command2"));
        cancel->setAutoDefault(true);
        connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
        row->addWidget(cancel);
    }
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::hide);
    return row;
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
