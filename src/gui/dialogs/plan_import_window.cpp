#include "gui/dialogs/plan_import_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

#include "gui/shell/captions.h"
#include "gui/shell/read_only_table.h"
#include "gui/shell/window_texts.h"
#include "i18n/desktop_texts.h"
#include "i18n/msgbox.h"
#include "rules/plans/import_summary.h"

namespace qv {
namespace {

enum SkippedColumn { kLineColumn, kLocationColumn };

}  // namespace

PlanImportWindow::PlanImportWindow(const Setup& setup, std::string csv, const QString& file,
                                   Language language, QWidget* parent)
    : QDialog(parent), setup_(setup), csv_(std::move(csv)), language_(language) {
    setObjectName(QStringLiteral("frmImportPlan"));
    setWindowTitle(WindowText(DesktopText::ImportTitle, language));

    auto* fileLabel = new QLabel(WindowText(DesktopText::ImportFile, language,
                                            {QDir::toNativeSeparators(file).toStdString()}));
    fileLabel->setObjectName(QStringLiteral("lblFile"));
    fileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fileLabel->setWordWrap(true);

    from_ = new QComboBox;
    from_->setObjectName(QStringLiteral("cboFromChannel"));
    for (const std::string& choice : StartChannelChoices(setup, language)) {
        from_->addItem(ToQString(choice));
    }
    from_->setMaxVisibleItems(17);
    auto* fromLabel = new QLabel(WindowText(DesktopText::ImportFromChannel, language));
    fromLabel->setObjectName(QStringLiteral("lblFromChannel"));
    fromLabel->setBuddy(from_);
    from_->setAccessibleName(WithoutAccelerator(fromLabel->text()));
    connect(from_, &QComboBox::activated, this, &PlanImportWindow::Preview);
    auto* fromRow = new QFormLayout;
    fromRow->addRow(fromLabel, from_);

    // Where an exported plan's rows came from: its gaps stay gaps.
    atLocation_ = new QCheckBox(WindowText(DesktopText::ImportAtLocation, language));
    atLocation_->setObjectName(QStringLiteral("chkAtLocation"));
    connect(atLocation_, &QCheckBox::clicked, this, &PlanImportWindow::Preview);

    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("lblSummary"));
    summary_->setWordWrap(true);

    skippedHead_ = new QLabel;
    skippedHead_->setObjectName(QStringLiteral("lblSkipped"));
    skipped_ = NewReadOnlyTable(QStringLiteral("grdSkipped"),
                                WindowText(DesktopText::ImportSkippedName, language),
                                {WindowText(DesktopText::ImportColumnLine, language),
                                 WindowText(DesktopText::ImportColumnLocation, language),
                                 WindowText(DesktopText::ImportColumnReason, language)},
                                0);
    skipped_->horizontalHeader()->setSectionResizeMode(kLineColumn, QHeaderView::ResizeToContents);
    skipped_->horizontalHeader()->setSectionResizeMode(kLocationColumn,
                                                       QHeaderView::ResizeToContents);
    skipped_->horizontalHeader()->setStretchLastSection(true);
    skippedHead_->setBuddy(skipped_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    const int flag = language == Language::English ? 1 : 0;
    buttons_->button(QDialogButtonBox::Ok)->setText(ToQString(MsgBoxButtonText(kIdOk, flag)));
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOk"));
    buttons_->button(QDialogButtonBox::Cancel)
        ->setText(ToQString(MsgBoxButtonText(kIdCancel, flag)));
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileLabel);
    layout->addLayout(fromRow);
    layout->addWidget(atLocation_);
    layout->addWidget(summary_);
    layout->addWidget(skippedHead_);
    layout->addWidget(skipped_, 1);
    layout->addWidget(buttons_);

    Preview();
    from_->setFocus();
    resize(QSize(680, 460).expandedTo(sizeHint()));
}

void PlanImportWindow::Preview() {
    from_->setEnabled(!atLocation_->isChecked());
    const PlanPlacement placement = atLocation_->isChecked()
                                        ? PlanPlacement::AtLocation()
                                        : PlacementOfChoice(from_->currentIndex());
    import_ = ImportChannelPlan(setup_, csv_, placement, language_);
    summary_->setText(ToQString(ImportSummary(import_, language_)));
    skippedHead_->setText(import_.skipped.empty()
                              ? WindowText(DesktopText::ImportNoneSkipped, language_)
                              : WindowText(DesktopText::ImportSkipped, language_,
                                           {std::to_string(import_.skipped.size())}));
    skipped_->setRowCount(static_cast<int>(import_.skipped.size()));
    for (int row = 0; row < skipped_->rowCount(); ++row) {
        const SkippedPlanRow& skipped = import_.skipped[static_cast<std::size_t>(row)];
        SetRowTexts(*skipped_, row,
                    {QString::number(skipped.line), ToQString(skipped.location),
                     ToQString(Describe(skipped.reason, language_))});
    }
    skipped_->setVisible(!import_.skipped.empty());
    // A file refused as a whole, or one with nothing to import, has nothing for OK to apply.
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!import_.refused && !import_.filled.empty());
}

}  // namespace qv
