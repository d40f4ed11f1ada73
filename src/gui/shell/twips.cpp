#include "gui/shell/twips.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace qv {

void ApplyTwipsGeometry(QTableView& view, std::span<const int> columnTwips, int rowTwips) {
    for (std::size_t column = 0; column < columnTwips.size(); ++column) {
        const int section = static_cast<int>(column);
        view.setColumnWidth(section, std::max(TwipsToPixelsX(columnTwips[column], view),
                                              view.horizontalHeader()->sectionSizeHint(section)));
    }
    const int rowHeight = std::max(TwipsToPixelsY(rowTwips, view), view.fontMetrics().height() + 4);
    view.verticalHeader()->setDefaultSectionSize(rowHeight);
    view.verticalHeader()->setMinimumSectionSize(rowHeight);
    view.updateGeometry();
}

}  // namespace qv
