#include "gui/mainwindow/compare_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

#include "gui/shell/captions.h"
#include "i18n/desktop_texts.h"

namespace qv {
namespace {

QString Text(DesktopText id, Language language) {
    return ToQString(DesktopTextOf(id, language));
}

enum DifferenceColumn { kFieldColumn, kShownColumn, kRadioColumn, kDifferenceColumns };

}  // namespace

CompareWindow::CompareWindow(const std::vector<SetupDifference>& differences, Language language,
                             QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(Text(DesktopText::CompareTitle, language));

    auto* summary = new QLabel(
        differences.empty() ? Text(DesktopText::CompareSame, language)
                            : ToQString(DesktopTextWith(DesktopText::CompareDiffers, language,
                                                        {std::to_string(differences.size())})));
    summary->setObjectName(QStringLiteral("lblSummary"));
    // One line when there is nothing else to show; beside a table, as wide as the table.
    summary->setWordWrap(!differences.empty());

    auto* table = new QTableWidget(static_cast<int>(differences.size()), kDifferenceColumns);
    table->setObjectName(QStringLiteral("grdDifferences"));
    table->setAccessibleName(Text(DesktopText::CompareListName, language));
    table->setHorizontalHeaderLabels({Text(DesktopText::CompareField, language),
                                      Text(DesktopText::CompareShown, language),
                                      Text(DesktopText::CompareRadio, language)});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    for (int row = 0; row < table->rowCount(); ++row) {
        const SetupDifference& difference = differences[static_cast<std::size_t>(row)];
        const QString cells[kDifferenceColumns] = {ToQString(difference.field.In(language)),
                                                   ToQString(difference.expected.In(language)),
                                                   ToQString(difference.actual.In(language))};
        for (int column = 0; column < kDifferenceColumns; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setToolTip(cells[column]);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setVisible(!differences.empty());
    summary->setBuddy(table);

    auto* buttons = new QDialogButtonBox;
    QPushButton* close =
        buttons->addButton(Text(DesktopText::Close, language), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(table, 1);
    layout->addWidget(buttons);

    if (differences.empty()) {
        close->setFocus();
    } else {
        table->selectRow(0);
        table->setFocus();
    }
    const int width = table->horizontalHeader()->length() + 2 * table->frameWidth() +
                      table->verticalScrollBar()->sizeHint().width() + 40;
    if (differences.empty()) {
        // A line and a button: as small as they are.
        layout->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    resize(QSize(std::clamp(width, 520, 1000), 420).expandedTo(sizeHint()));
}

}  // namespace qv
