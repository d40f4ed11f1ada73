#include "shell/radio_drawing.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>

namespace qv {
namespace {

// The radio is drawn on a 100 x 260 grid.
constexpr double kWidth = 100.0;
constexpr double kHeight = 260.0;

const QColor kBody(52, 56, 62);
const QColor kEdge(25, 27, 30);
const QColor kKeyColour(90, 96, 104);
const QColor kDisplay(150, 205, 160);
const QColor kLabel(235, 235, 235);

}  // namespace

std::array<HandsetKey, 5> DrawHandset(QPainter& painter, const QRectF& area) {
    const double scale = std::min(area.width() / kWidth, area.height() / kHeight);
    const QPointF origin(area.center().x() - kWidth * scale / 2,
                         area.center().y() - kHeight * scale / 2);
    const auto at = [&](double x, double y) { return origin + QPointF(x * scale, y * scale); };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(origin);
    painter.scale(scale, scale);

    // Antenna and knobs on top.
    painter.setPen(QPen(kEdge, 1.5));
    painter.setBrush(kBody.darker(120));
    painter.drawRoundedRect(QRectF(22, 0, 12, 62), 5, 5);
    painter.drawRoundedRect(QRectF(62, 30, 16, 26), 3, 3);

    // Body.
    QLinearGradient shade(0, 0, kWidth, 0);
    shade.setColorAt(0, kBody.lighter(125));
    shade.setColorAt(1, kBody.darker(110));
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(12, 55, 78, 200), 12, 12);

    // PTT on the left side, then PF1 and PF2 below it.
    painter.setBrush(kKeyColour);
    painter.drawRoundedRect(QRectF(4, 95, 9, 34), 3, 3);
    painter.drawRoundedRect(QRectF(4, 136, 9, 14), 3, 3);  // PF1
    painter.drawRoundedRect(QRectF(4, 155, 9, 14), 3, 3);  // PF2

    // Display.
    painter.setBrush(kDisplay);
    painter.drawRoundedRect(QRectF(24, 68, 54, 30), 3, 3);
    painter.setPen(QPen(kDisplay.darker(160), 1));
    painter.drawText(QRectF(24, 68, 54, 30), Qt::AlignCenter, QStringLiteral("CH-01"));

    // Speaker grille.
    painter.setPen(QPen(kEdge, 2, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 5; ++line) {
        const double y = 112 + 7 * line;
        painter.drawLine(QPointF(28, y), QPointF(74, y));
    }

    // KB1, KB2 and KB3 on the front, with their names.
    painter.setPen(QPen(kEdge, 1.2));
    painter.setBrush(kKeyColour);
    const QRectF keys[] = {QRectF(22, 172, 18, 14), QRectF(42, 172, 18, 14),
                           QRectF(62, 172, 18, 14)};
    for (const QRectF& key : keys) painter.drawRoundedRect(key, 3, 3);
    QFont font = painter.font();
    font.setPixelSize(7);
    painter.setFont(font);
    painter.setPen(kLabel);
    const char* const names[] = {"KB1", "KB2", "KB3"};
    for (int k = 0; k < 3; ++k) {
        painter.drawText(keys[k].translated(0, 15), Qt::AlignHCenter | Qt::AlignTop,
                         QString::fromLatin1(names[k]));
    }
    // Keypad.
    painter.setPen(QPen(kEdge, 1));
    painter.setBrush(kKeyColour.darker(110));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            painter.drawRoundedRect(QRectF(24 + 19 * col, 202 + 14 * row, 15, 10), 2, 2);
        }
    }
    painter.restore();

    return {{
        {"PF1", at(4, 143)},
        {"PF2", at(4, 162)},
        {"KB1", at(31, 179)},
        {"KB2", at(51, 179)},
        {"KB3", at(71, 179)},
    }};
}

}  // namespace qv
