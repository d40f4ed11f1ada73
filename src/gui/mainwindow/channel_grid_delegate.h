// Paints the cells of the channel grid. The grid repaints all its visible cells whenever the focus
// moves between it and an editor, and the general item painting lays out every cell's text anew
// each time; the few hundred texts a channel table shows are laid out once here and kept, so a
// whole repaint stays a small share of a frame.
#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace qv {

class ChannelGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit ChannelGridDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    const QStaticText& LaidOut(const QString& text, const QFont& font) const;

    mutable QHash<QString, QStaticText> laidOut_;
    mutable QFont laidOutFont_;
};

}  // namespace qv
