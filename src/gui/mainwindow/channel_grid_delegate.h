// Paints the cells of the channel grid. The grid repaints all its visible cells whenever the focus
// moves between it and an editor, and the general item painting lays out every cell's text anew
// each time; the few hundred texts a channel table shows are laid out once here and kept, so a
// whole repaint stays a small share of a frame.
//
// A locked (disabled) grid paints its texts grey, but never so pale that they are hard to read on
// the tinted groups of channels: see LockedTextColour.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

#include <vector>

namespace qv {

// The text colour of a locked grid on `background`: the palette's `disabled` text colour, or, where
// that is too pale to read (below 4.5:1, and a little to spare), the colour nearest to it on the
// way to the `enabled` one that is not. Grey still, so the grid looks locked.
QColor LockedTextColour(const QColor& background, const QColor& disabled, const QColor& enabled);

class ChannelGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit ChannelGridDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    const QStaticText& LaidOut(const QString& text, const QFont& font) const;
    QColor DisabledTextOn(const QColor& background, const QColor& disabled,
                          const QColor& enabled) const;

    // The disabled text colours found so far, one per background and palette.
    struct LegibleText {
        QRgb background;
        QRgb disabled;
        QRgb enabled;
        QColor text;
    };
    mutable std::vector<LegibleText> legibleTexts_;

    mutable QHash<QString, QStaticText> laidOut_;
    mutable QFont laidOutFont_;
};

}  // namespace qv
