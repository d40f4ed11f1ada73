#include "gui/mainwindow/channel_grid_delegate.h"

#include <QPainter>

namespace qv {
namespace {

// More texts than a channel table can show at once: an unexpected flood empties the store.
constexpr qsizetype kMostTexts = 4096;

QPalette::ColorGroup GroupOf(const QStyleOptionViewItem& option) {
    if (!(option.state & QStyle::State_Enabled)) return QPalette::Disabled;
    return (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
}

}  // namespace

void ChannelGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QPalette::ColorGroup group = GroupOf(option);
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    } else if (const QVariant background = index.data(Qt::BackgroundRole);
               background.canConvert<QBrush>()) {
        painter->fillRect(option.rect, background.value<QBrush>());
    }

    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        const QStaticText& glyphs = LaidOut(text, option.font);
        const QSizeF size = glyphs.size();
        // Centred both ways, as every cell of the grid is.
        const QPointF at(option.rect.x() + (option.rect.width() - size.width()) / 2.0,
                         option.rect.y() + (option.rect.height() - size.height()) / 2.0);
        const bool fits = size.width() <= option.rect.width();
        painter->save();
        if (!fits) painter->setClipRect(option.rect);
        painter->setFont(option.font);
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawStaticText(at, glyphs);
        painter->restore();
    }

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor =
            option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : nullptr;
        if (style != nullptr)
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
}

const QStaticText& ChannelGridDelegate::LaidOut(const QString& text, const QFont& font) const {
    if (font != laidOutFont_ || laidOut_.size() > kMostTexts) {
        laidOut_.clear();
        laidOutFont_ = font;
    }
    auto found = laidOut_.find(text);
    if (found == laidOut_.end()) {
        QStaticText glyphs(text);
        glyphs.setTextFormat(Qt::PlainText);
        glyphs.setPerformanceHint(QStaticText::AggressiveCaching);
        glyphs.prepare(QTransform(), font);
        found = laidOut_.insert(text, glyphs);
    }
    return *found;
}

}  // namespace qv
