#include "gui/dialogs/embedded_info_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/dialogs/embedded_info_box.h"
#include "gui/shell/captions.h"
#include "gui/shell/twips.h"
#include "rules/dialogs/embedded_info_rules.h"

namespace qv {
namespace {

constexpr int kContentWidthTwips = 5970;
constexpr int kContentHeightTwips = 2235;
constexpr int kBoxWidthTwips = 5295;

const std::string& BoxText(const Setup& setup, std::size_t box) {
    return box == 0 ? setup.Form7.Text1 : setup.Form7.Text2;
}

}  // namespace

EmbeddedInfoDialog::EmbeddedInfoDialog(Program& program) : DialogWindow(program, WindowId::Form7) {
    auto* layout = new QVBoxLayout(this);
    for (std::size_t box = 0; box < boxes_.size(); ++box) {
        auto* edit = new EmbeddedInfoBox;
        edit->setObjectName(QStringLiteral("Text%1").arg(box + 1));
        edit->setMinimumWidth(TwipsToPixelsX(kBoxWidthTwips, *this));
        connect(edit, &EmbeddedInfoBox::CharactersRefused, this, &EmbeddedInfoDialog::Refused);
        connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
            // An edit that left nothing out makes an earlier note stale.
            if (!refusedThisEdit_) ClearNote();
            refusedThisEdit_ = false;
            program_.Changed(
                EditEmbeddedInfo(program_.State(), static_cast<int>(box), text.toStdString()));
        });
        layout->addWidget(edit);
        boxes_[box] = edit;
    }
    note_ = new QLabel;
    note_->setObjectName(QStringLiteral("RefusedNote"));
    note_->setWordWrap(true);
    note_->hide();
    layout->addWidget(note_);
    layout->addStretch(1);

    layout->addLayout(ButtonRow([this] { Accept(); }));

    setMinimumSize(TwipsToPixelsX(kContentWidthTwips, *this),
                   TwipsToPixelsY(kContentHeightTwips, *this));
    FinishCreation();
}

void EmbeddedInfoDialog::Refresh(Changes changes) {
    if (changes.Has(StatePart::Language)) {
        // The boxes have no labels: a screen reader names them after the window.
        for (std::size_t box = 0; box < boxes_.size(); ++box) {
            boxes_[box]->setAccessibleName(windowTitle() + QStringLiteral(" %1").arg(box + 1));
        }
        if (!refused_.empty()) ShowNote();
    }
    if (!changes.Has(StatePart::Form7)) return;
    for (std::size_t box = 0; box < boxes_.size(); ++box) {
        const QString text = ToQString(BoxText(program_.State(), box));
        // Setting the same text again would move the cursor and lose the undo steps.
        if (boxes_[box]->text() == text) continue;
        const QSignalBlocker blocker(boxes_[box]);
        boxes_[box]->setText(text);
    }
}

void EmbeddedInfoDialog::hideEvent(QHideEvent* event) {
    ClearNote();
    DialogWindow::hideEvent(event);
}

void EmbeddedInfoDialog::Refused(const std::string& characters) {
    refusedThisEdit_ = true;
    refused_ = characters;
    ShowNote();
    QApplication::beep();
}

void EmbeddedInfoDialog::ShowNote() {
    note_->setText(ToQString(
        RefusedCharactersNote(refused_, MessageLanguage(program_.State().LanguageIsEnglish))));
    note_->show();
}

void EmbeddedInfoDialog::ClearNote() {
    refused_.clear();
    note_->clear();
    note_->hide();
}

void EmbeddedInfoDialog::Accept() {
    program_.Changed(StoreEmbeddedInfo(program_.State()));
    hide();
}

}  // namespace qv
