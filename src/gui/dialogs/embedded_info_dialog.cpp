#include "gui/dialogs/embedded_info_dialog.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "rules/dialogs/embedded_info_rules.h"
#include "gui/dialogs/embedded_info_box.h"
#include "gui/shell/captions.h"
#include "gui/shell/twips.h"

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
        connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
            program_.Changed(
                EditEmbeddedInfo(program_.State(), static_cast<int>(box), text.toStdString()));
        });
        layout->addWidget(edit);
        boxes_[box] = edit;
    }
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

void EmbeddedInfoDialog::Accept() {
    program_.Changed(StoreEmbeddedInfo(program_.State()));
    hide();
}

}  // namespace qv
