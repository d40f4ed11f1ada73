#include "gui/shell/radio_drawing.h"

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

// Keys on the left side.
constexpr QRectF kPtt(4, 76, 9, 28);
constexpr QRectF kPf1(4, 110, 9, 14);
constexpr QRectF kPf2(4, 128, 9, 14);

struct FrontKey {
    const char* name;
    QRectF shape;
};

// Top to bottom.
constexpr FrontKey kFrontKeys[] = {
    {"KB1", QRectF(20, 152, 26, 13)},
    {"KB3", QRectF(20, 169, 26, 13)},
    {"KB2", QRectF(20, 186, 26, 13)},
};

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
    painter.drawRoundedRect(kPtt, 3, 3);
    painter.drawRoundedRect(kPf1, 3, 3);
    painter.drawRoundedRect(kPf2, 3, 3);

    // Display.
    painter.setBrush(kDisplay);
    painter.drawRoundedRect(QRectF(24, 68, 54, 30), 3, 3);
    painter.setPen(QPen(kDisplay.darker(160), 1));
    painter.drawText(QRectF(24, 68, 54, 30), Qt::AlignCenter, QStringLiteral("CH-01"));

    // Speaker grille.
    painter.setPen(QPen(kEdge, 2, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 4; ++line) {
        const double y = 110 + 7 * line;
        painter.drawLine(QPointF(28, y), QPointF(74, y));
    }

    // KB1, KB3 and KB2 one above the other at the left of the front, each with its name, so a
    // line from the left reaches every key without crossing another.
    QFont font = painter.font();
    font.setPixelSize(7);
    painter.setFont(font);
    for (const FrontKey& key : kFrontKeys) {
        painter.setPen(QPen(kEdge, 1.2));
        painter.setBrush(kKeyColour);
        painter.drawRoundedRect(key.shape, 3, 3);
        painter.setPen(kLabel);
        painter.drawText(key.shape, Qt::AlignCenter, QString::fromLatin1(key.name));
    }
    // Microphone holes beside them.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kEdge);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            painter.drawEllipse(QPointF(58 + 8 * col, 160 + 8 * row), 1.6, 1.6);
        }
    }
    // Keypad.
    painter.setPen(QPen(kEdge, 1));
    painter.setBrush(kKeyColour.darker(110));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            painter.drawRoundedRect(QRectF(24 + 19 * col, 206 + 14 * row, 15, 10), 2, 2);
        }
    }
    painter.restore();

    const auto leftMiddle = [&](const QRectF& key) { return at(key.left(), key.center().y()); };
    return {{
        {"PF1", leftMiddle(kPf1)},
        {"PF2", leftMiddle(kPf2)},
        {"KB1", leftMiddle(kFrontKeys[0].shape)},
        {"KB2", leftMiddle(kFrontKeys[2].shape)},
        {"KB3", leftMiddle(kFrontKeys[1].shape)},
    }};
}

}  // namespace qv
