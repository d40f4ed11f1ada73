#include "gui/dialogs/radio_choice_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/shell/captions.h"
#include "i18n/detect_texts.h"
#include "i18n/msgbox.h"

namespace qv {
namespace {

QString ButtonText(int id, Language language) {
    return ToQString(MsgBoxButtonText(id, static_cast<int>(language)));
}

}  // namespace

RadioChoiceWindow::RadioChoiceWindow(const std::vector<std::string>& ports, Language language,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmChooseRadio"));
    setWindowTitle(ToQString(DetectText(DetectTextId::ChooseTitle, language)));

    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("lstRadios"));
    list_->setAccessibleName(ToQString(DetectText(DetectTextId::ChooseListName, language)));
    for (const std::string& port : ports) list_->addItem(ToQString(port));
    list_->setCurrentRow(0);
    // Each line whole, however long its device's name, and no taller than its lines.
    list_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    connect(list_, &QListWidget::doubleClicked, this, &QDialog::accept);

    auto* question = new QLabel(ToQString(
        DetectText(DetectTextId::ChooseQuestion, language, {std::to_string(ports.size())})));
    question->setObjectName(QStringLiteral("lblQuestion"));
    question->setWordWrap(true);
    question->setBuddy(list_);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(ButtonText(kIdOk, language), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(ButtonText(kIdCancel, language), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    list_->setFocus();
}

std::optional<std::size_t> RadioChoiceWindow::Chosen() const {
    if (result() != QDialog::Accepted || list_->currentRow() < 0) return std::nullopt;
    return static_cast<std::size_t>(list_->currentRow());
}

}  // namespace qv
