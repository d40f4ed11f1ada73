// A table a window shows to be read and chosen from, not edited: whole rows selected, one line a
// cell, the keys of Tab left to move between the window's controls, named for a screen reader.
#pragma once

#include <QStringList>
#include <QTableWidget>

namespace qv {

QTableWidget* NewReadOnlyTable(const QString& objectName, const QString& accessibleName,
                               const QStringList& headers, int rows);

// Fills `row` with `cells`, each with a tooltip: the cell's own text, or `tooltip` when given.
void SetRowTexts(QTableWidget& table, int row, const QStringList& cells,
                 const QString& tooltip = {});

}  // namespace qv
