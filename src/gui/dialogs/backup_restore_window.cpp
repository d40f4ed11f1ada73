#include "gui/dialogs/backup_restore_window.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/shell/captions.h"
#include "gui/shell/local_path.h"
#include "gui/shell/read_only_table.h"
#include "gui/shell/window_texts.h"
#include "i18n/backup_texts.h"
#include "i18n/desktop_texts.h"
#include "i18n/detail_texts.h"
#include "i18n/msgbox.h"
#include "rules/backups/backup_rows.h"

namespace qv {
BackupRestoreWindow::BackupRestoreWindow(const std::filesystem::path& folder, Language language,
                                         QWidget* parent)
    : QDialog(parent) {
    const BackupList list = ListBackups(folder);
    entries_ = list.entries;
    setObjectName(QStringLiteral("frmRestoreBackup"));
    setWindowTitle(WindowText(DesktopText::RestoreTitle, language));

    const QString folderName = QDir::toNativeSeparators(QtPath(folder));
    // A folder that cannot be read is not a folder without backups: the user is told why.
    auto* head = new QLabel(
        list.folderError != 0 ? ToQString(BackupText(BackupTextId::FolderUnreadable, language,
                                                     {folderName.toStdString(),
                                                      SystemErrorText(list.folderError, language)}))
        : entries_.empty()
            ? WindowText(DesktopText::RestoreNone, language)
            : WindowText(DesktopText::RestoreFolder, language, {folderName.toStdString()}));
    head->setObjectName(QStringLiteral("lblFolder"));
    head->setTextInteractionFlags(Qt::TextSelectableByMouse);
    head->setWordWrap(true);

    QStringList headers;
    for (const std::string& header : BackupHeaders(language)) headers << ToQString(header);
    list_ = NewReadOnlyTable(QStringLiteral("grdBackups"),
                             WindowText(DesktopText::RestoreListName, language), headers,
                             static_cast<int>(entries_.size()));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int row = 0; row < list_->rowCount(); ++row) {
        const BackupEntry& entry = entries_[static_cast<std::size_t>(row)];
        QStringList cells;
        for (const std::string& text : BackupRow(entry, language)) cells << ToQString(text);
        SetRowTexts(*list_, row, cells, QtPath(entry.path));
    }
    list_->resizeColumnsToContents();
    list_->horizontalHeader()->setStretchLastSection(true);
    head->setBuddy(list_);

    auto* buttons = new QDialogButtonBox;
    open_ = buttons->addButton(WindowText(DesktopText::RestoreOpen, language),
                               QDialogButtonBox::AcceptRole);
    open_->setObjectName(QStringLiteral("cmdOpen"));
    write_ = buttons->addButton(WindowText(DesktopText::RestoreWrite, language),
                                QDialogButtonBox::ActionRole);
    write_->setObjectName(QStringLiteral("cmdWriteRadio"));
    QPushButton* cancel = buttons->addButton(
        ToQString(MsgBoxButtonText(kIdCancel, language == Language::English ? 1 : 0)),
        QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(open_, &QPushButton::clicked, this, [this] { Choose(Choice::Open); });
    connect(write_, &QPushButton::clicked, this, [this] { Choose(Choice::WriteToRadio); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Enter or a double click on a backup opens it.
    connect(list_, &QTableWidget::itemActivated, this, [this] { Choose(Choice::Open); });
    connect(list_, &QTableWidget::itemSelectionChanged, this, &BackupRestoreWindow::RowChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(head);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);

    list_->setVisible(!entries_.empty());
    if (!entries_.empty()) list_->selectRow(0);
    RowChanged();
    (entries_.empty() ? static_cast<QWidget*>(cancel) : list_)->setFocus();
    const int width = list_->horizontalHeader()->length() + 2 * list_->frameWidth() + 40;
    resize(QSize(std::max(width, 640), 420).expandedTo(sizeHint()));
}

const BackupEntry& BackupRestoreWindow::ChosenBackup() const {
    return entries_.at(static_cast<std::size_t>(list_->currentRow()));
}

void BackupRestoreWindow::RowChanged() {
    const int row = list_->currentRow();
    // A damaged backup is shown so that it is not a surprise, but nothing can be made of it.
    const bool usable = row >= 0 && row < static_cast<int>(entries_.size()) &&
                        !entries_[static_cast<std::size_t>(row)].damaged;
    open_->setEnabled(usable);
    write_->setEnabled(usable);
    open_->setDefault(usable);
}

void BackupRestoreWindow::Choose(Choice choice) {
    if (!open_->isEnabled()) return;
    chosen_ = choice;
    accept();
}

}  // namespace qv
