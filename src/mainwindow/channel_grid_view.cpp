#include "mainwindow/channel_grid_view.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>
#include <array>

#include "shell/twips.h"

namespace qv {
namespace {

// Column widths in twips, column 0 (the channel label) first.
constexpr std::array<int, kGridColumns> kColumnTwips = {800, 1330, 1000, 1330, 1000,
                                                        800, 850,  1000, 900};
constexpr int kRowTwips = 300;

}  // namespace

ChannelGridView::ChannelGridView(ChannelGridModel& model, QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("Grid1"));
    setModel(&model);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);  // Tab leaves the grid for the frames beside it
    // New captions in another language may need wider columns.
    connect(&model, &QAbstractItemModel::headerDataChanged, this, [this] { ApplyGeometry(); });
    ApplyGeometry();
}

int ChannelGridView::FullWidth() const {
    int width = 0;
    for (int column = 0; column < kGridColumns; ++column) width += columnWidth(column);
    return width + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
}

QSize ChannelGridView::sizeHint() const {
    const int rows = verticalHeader()->defaultSectionSize() * kChannelCount;
    return {FullWidth(), horizontalHeader()->sizeHint().height() + rows + 2 * frameWidth()};
}

void ChannelGridView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    // Another font: the captions may need wider columns.
    if (event->type() == QEvent::FontChange) ApplyGeometry();
}

void ChannelGridView::ApplyGeometry() {
    for (int column = 0; column < kGridColumns; ++column) {
        // A caption wider than its column (a larger font) widens the column rather than clip.
        const int wanted = TwipsToPixelsX(kColumnTwips[column], *this);
        setColumnWidth(column, std::max(wanted, horizontalHeader()->sectionSizeHint(column)));
    }
    const int rowHeight = std::max(TwipsToPixelsY(kRowTwips, *this), fontMetrics().height() + 4);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    updateGeometry();
}

}  // namespace qv
