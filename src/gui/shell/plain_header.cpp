#include "gui/shell/plain_header.h"

#include <QIcon>
#include <QPixmap>
#include <QStyleOptionHeader>

namespace qv {

PlainHeader::PlainHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setHighlightSections(false);
}

QSize PlainHeader::sectionSizeFromContents(int logicalIndex) const {
    if (model() == nullptr) return QHeaderView::sectionSizeFromContents(logicalIndex);
    ensurePolished();
    if (const QVariant size = model()->headerData(logicalIndex, orientation(), Qt::SizeHintRole);
        size.isValid()) {
        return size.toSize();
    }
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.section = logicalIndex;
    const QVariant font = model()->headerData(logicalIndex, orientation(), Qt::FontRole);
    option.fontMetrics =
        font.canConvert<QFont>() ? QFontMetrics(font.value<QFont>()) : fontMetrics();
    option.text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
    const QVariant decoration =
        model()->headerData(logicalIndex, orientation(), Qt::DecorationRole);
    option.icon = decoration.value<QIcon>();
    if (option.icon.isNull()) option.icon = decoration.value<QPixmap>();
    if (isSortIndicatorShown()) option.sortIndicator = QStyleOptionHeader::SortDown;
    // A character's width of air beside the caption, as the bold measure used to leave.
    return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this) +
           QSize(option.fontMetrics.averageCharWidth(), 0);
}

}  // namespace qv
