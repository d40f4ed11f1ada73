#include "gui/shell/local_msgbox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <array>

#include "i18n/msgbox.h"

namespace qv {
namespace {

struct ButtonKind {
    int id;
    QMessageBox::StandardButton standard;
};

// Qt's own button of each identifier: with no caption of ours (a language flag other than 0, 1
// and 2) it keeps Qt's text.
constexpr std::array<ButtonKind, 9> kButtonKinds = {{
    {kIdOk, QMessageBox::Ok},
    {kIdCancel, QMessageBox::Cancel},
    {kIdAbort, QMessageBox::Abort},
    {kIdRetry, QMessageBox::Retry},
    {kIdIgnore, QMessageBox::Ignore},
    {kIdYes, QMessageBox::Yes},
    {kIdNo, QMessageBox::No},
    {kIdSave, QMessageBox::Save},
    {kIdDiscard, QMessageBox::Discard},
}};

QMessageBox::StandardButton StandardButtonOf(int id) {
    for (const ButtonKind& kind : kButtonKinds) {
        if (kind.id == id) return kind.standard;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MsgBoxIcon icon) {
    switch (icon) {
        case MsgBoxIcon::Stop:
            return QMessageBox::Critical;
        case MsgBoxIcon::Question:
            return QMessageBox::Question;
        case MsgBoxIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgBoxIcon::Information:
            return QMessageBox::Information;
        case MsgBoxIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The answer of a box closed without a button, as the system's own box gives it.
int EscapeAnswer(const std::vector<int>& buttons) {
    for (const int id : {kIdCancel, kIdNo}) {
        if (std::find(buttons.begin(), buttons.end(), id) != buttons.end()) return id;
    }
    return buttons.size() == 1 ? buttons.front() : kIdCancel;
}

}  // namespace

int LocalMessageBox::LocalMsgBox(const std::string& text, int style, const std::string& title) {
    return LocalMsgBoxWithDetails(text, "", style, title);
}

int LocalMessageBox::LocalMsgBoxWithDetails(const std::string& text, const std::string& details,
                                            int style, const std::string& title) {
    const MsgBoxLayout layout = DecodeMsgBoxStyle(style);
    QMessageBox box(owner_);
    box.setText(QString::fromStdString(text));
    // Beneath the message, in the box's smaller print.
    if (!details.empty()) box.setInformativeText(QString::fromStdString(details));
    box.setWindowTitle(QString::fromUtf8(MsgBoxTitle(title).data(),
                                         static_cast<qsizetype>(MsgBoxTitle(title).size())));
    box.setIcon(IconOf(layout.icon));
    // Every box blocks every window of the program, the dialogs too: a command that asks must
    // not be overtaken by another one started from a dialog while the question is open. (The
    // system-modal style asks no more than that of a desktop program.)
    box.setWindowModality(Qt::ApplicationModal);
    std::vector<QAbstractButton*> buttons;
    for (const int id : layout.buttons) {
        QAbstractButton* button = box.addButton(StandardButtonOf(id));
        const std::string_view caption = MsgBoxButtonText(id, session_.LanguageIsEnglish);
        if (!caption.empty()) {
            button->setText(
                QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
        }
        button->setProperty(kButtonIdProperty, id);
        button->setObjectName(QStringLiteral("msgbox-button-%1").arg(id));
        buttons.push_back(button);
    }
    if (auto* defaultButton =
            qobject_cast<QPushButton*>(buttons[static_cast<std::size_t>(layout.defaultButton)])) {
        box.setDefaultButton(defaultButton);
    }
    open_.push_back(&box);
    box.exec();
    open_.pop_back();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked == nullptr) return EscapeAnswer(layout.buttons);
    return clicked->property(kButtonIdProperty).toInt();
}

void LocalMessageBox::CloseMessageBox() {
    if (!open_.empty()) open_.back()->reject();
}

}  // namespace qv
