// A drawing of the QV-7100 hand-held radio with its five programmable keys, made by the program
// itself: the About box shows it, and the key-assignment dialog draws lines from its frames to
// the keys.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>

#include <array>
#include <string_view>

namespace qv {

struct HandsetKey {
    std::string_view name;  // "PF1", "PF2", "KB1", "KB2", "KB3"
    QPointF anchor;         // where a line to the key ends, in the drawing's coordinates
};

// Draws the radio scaled into `area` (its proportions kept: 1 wide to 2.6 high) and gives where
// each key lies.
std::array<HandsetKey, 5> DrawHandset(QPainter& painter, const QRectF& area);

}  // namespace qv
