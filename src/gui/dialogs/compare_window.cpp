#include "gui/dialogs/compare_window.h"

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
#include "gui/shell/read_only_table.h"
#include "gui/shell/window_texts.h"
#include "i18n/compare_texts.h"
#include "i18n/desktop_texts.h"

namespace qv {
CompareWindow::CompareWindow(const std::vector<SetupDifference>& differences, Language language,
                             QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(WindowText(DesktopText::CompareTitle, language));

    auto* summary = new QLabel(
        differences.empty() ? WindowText(DesktopText::CompareSame, language)
                            : ToQString(CompareText(CompareTextId::ShownAndRadioDiffer, language,
                                                    {std::to_string(differences.size())})));
    summary->setObjectName(QStringLiteral("lblSummary"));
    // One line when there is nothing else to show; beside a table, as wide as the table.
    summary->setWordWrap(!differences.empty());

    QTableWidget* table = NewReadOnlyTable(QStringLiteral("grdDifferences"),
                                           WindowText(DesktopText::CompareListName, language),
                                           {WindowText(DesktopText::CompareField, language),
                                            WindowText(DesktopText::CompareShown, language),
                                            WindowText(DesktopText::CompareRadio, language)},
                                           static_cast<int>(differences.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const SetupDifference& difference = differences[static_cast<std::size_t>(row)];
        SetRowTexts(
            *table, row,
            {ToQString(difference.field.In(language)), ToQString(difference.expected.In(language)),
             ToQString(difference.actual.In(language))});
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setVisible(!differences.empty());
    summary->setBuddy(table);

    auto* buttons = new QDialogButtonBox;
    QPushButton* close =
        buttons->addButton(WindowText(DesktopText::Close, language), QDialogButtonBox::RejectRole);
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
