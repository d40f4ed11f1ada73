#include "gui/mainwindow/channel_grid_delegate.h"

#include <QPainter>

#include <algorithm>

#include "gui/shell/legible_colour.h"

namespace qv {
namespace {

// More texts than a channel table can show at once: an unexpected flood empties the store.
constexpr qsizetype kMostTexts = 4096;

QPalette::ColorGroup GroupOf(const QStyleOptionViewItem& option) {
    if (!(option.state & QStyle::State_Enabled)) return QPalette::Disabled;
    return (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
}

// More backgrounds and palettes than a grid shows: an unexpected flood empties the store.
constexpr std::size_t kMostLegibleTexts = 64;

Rgb ToRgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

// A little above what legible text needs, so that a style's shaded header background, darker here
// and lighter there than its palette colour, still leaves enough.
constexpr double kLockedTextContrast = kLegibleContrast + 0.5;

}  // namespace

QColor LockedTextColour(const QColor& background, const QColor& disabled, const QColor& enabled) {
    const Rgb text = LegibleDisabledText(ToRgb(disabled), ToRgb(enabled), ToRgb(background),
                                         kLockedTextContrast);
    return QColor(text.red, text.green, text.blue);
}

void ChannelGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QPalette::ColorGroup group = GroupOf(option);
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    // The colour under the text: the selection's, the group's, or the view's own.
    QColor under = option.palette.color(group, QPalette::Base);
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        under = option.palette.color(group, QPalette::Highlight);
    } else if (const QVariant background = index.data(Qt::BackgroundRole);
               background.canConvert<QBrush>()) {
        const QBrush brush = background.value<QBrush>();
        painter->fillRect(option.rect, brush);
        under = brush.color();
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
        const QPalette::ColorRole ink = selected ? QPalette::HighlightedText : QPalette::Text;
        painter->setPen(group == QPalette::Disabled
                            ? DisabledTextOn(under, option.palette.color(QPalette::Disabled, ink),
                                             option.palette.color(QPalette::Active, ink))
                            : option.palette.color(group, ink));
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

QColor ChannelGridDelegate::DisabledTextOn(const QColor& background, const QColor& disabled,
                                           const QColor& enabled) const {
    const LegibleText key{background.rgb(), disabled.rgb(), enabled.rgb(), {}};
    const auto found = std::find_if(legibleTexts_.begin(), legibleTexts_.end(), [&](const auto& t) {
        return t.background == key.background && t.disabled == key.disabled &&
               t.enabled == key.enabled;
    });
    if (found != legibleTexts_.end()) return found->text;
    if (legibleTexts_.size() > kMostLegibleTexts) legibleTexts_.clear();
    legibleTexts_.push_back(key);
    legibleTexts_.back().text = LockedTextColour(background, disabled, enabled);
    return legibleTexts_.back().text;
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
