#include "gui/shell/read_only_table.h"

#include <QHeaderView>

namespace qv {

QTableWidget* NewReadOnlyTable(const QString& objectName, const QString& accessibleName,
                               const QStringList& headers, int rows) {
    auto* table = new QTableWidget(rows, static_cast<int>(headers.size()));
    table->setObjectName(objectName);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    return table;
}

void SetRowTexts(QTableWidget& table, int row, const QStringList& cells, const QString& tooltip) {
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        item->setToolTip(tooltip.isEmpty() ? cells[column] : tooltip);
        table.setItem(row, column, item);
    }
}

}  // namespace qv
