#include "gui/mainwindow/toolbar_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <memory>

namespace qv {
namespace {

// Every picture is drawn on a 32 x 32 grid and scaled to the size asked for, so it stays sharp at
// any screen scaling.
constexpr double kGrid = 32.0;

const QColor kInk(45, 55, 72);
const QColor kPaper(250, 250, 245);
const QColor kFolder(232, 184, 72);
const QColor kDisk(70, 110, 170);
const QColor kRadio(60, 64, 70);
const QColor kScreen(150, 205, 160);
const QColor kArrow(40, 150, 70);
const QColor kKey(200, 150, 40);

QPen Outline(double width = 1.6) {
    QPen pen(kInk, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void DrawSheet(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(8, 3);
    sheet.lineTo(19, 3);
    sheet.lineTo(25, 9);
    sheet.lineTo(25, 29);
    sheet.lineTo(8, 29);
    sheet.closeSubpath();
    p.setPen(Outline());
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({{19, 3}, {19, 9}, {25, 9}}));
    p.setPen(Outline(1.0));
    for (int y = 14; y <= 24; y += 5) p.drawLine(QPointF(11, y), QPointF(22, y));
}

void DrawFolder(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kFolder.darker(115));
    p.drawPath([] {
        QPainterPath back;
        back.moveTo(3, 8);
        back.lineTo(12, 8);
        back.lineTo(15, 11);
        back.lineTo(28, 11);
        back.lineTo(28, 26);
        back.lineTo(3, 26);
        back.closeSubpath();
        return back;
    }());
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({{3, 26}, {7, 15}, {31, 15}, {28, 26}}));
}

void DrawDisk(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kDisk);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(kInk);
    p.drawRect(QRectF(18, 6, 3, 5));
    p.setBrush(kPaper.darker(108));
    p.drawRect(QRectF(8, 18, 16, 10));
}

// A hand-held radio on the left, a screen on the right and an arrow between them.
void DrawRadio(QPainter& p, double x) {
    p.setPen(Outline(1.4));
    p.setBrush(kRadio);
    p.drawLine(QPointF(x + 3, 9), QPointF(x + 3, 2));  // antenna
    p.drawRoundedRect(QRectF(x, 9, 10, 20), 2, 2);
    p.setBrush(kScreen);
    p.drawRect(QRectF(x + 2, 12, 6, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 2; ++col) {
            p.drawEllipse(QPointF(x + 3.2 + 3.6 * col, 19.5 + 3 * row), 0.9, 0.9);
        }
    }
}

void DrawComputer(QPainter& p, double x) {
    p.setPen(Outline(1.4));
    p.setBrush(kPaper.darker(105));
    p.drawRoundedRect(QRectF(x, 12, 12, 10), 1, 1);
    p.setBrush(kScreen);
    p.drawRect(QRectF(x + 2, 14, 8, 6));
    p.setBrush(kInk);
    p.drawRect(QRectF(x + 3, 24, 6, 2));
}

void DrawArrow(QPainter& p, double from, double to, double y) {
    p.setPen(QPen(kArrow, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(from, y), QPointF(to, y));
    const double head = to > from ? -4 : 4;
    p.drawPolyline(QPolygonF({{to + head, y - 4}, {to, y}, {to + head, y + 4}}));
}

void DrawRead(QPainter& p) {
    DrawRadio(p, 1);
    DrawComputer(p, 19);
    DrawArrow(p, 12, 18, 8);
}

void DrawWrite(QPainter& p) {
    DrawRadio(p, 1);
    DrawComputer(p, 19);
    DrawArrow(p, 18, 12, 8);
}

void DrawKey(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kKey);
    p.drawEllipse(QPointF(10, 12), 7, 7);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(9, 11), 2.2, 2.2);
    p.setBrush(kKey);
    p.drawPolygon(QPolygonF(
        {{15, 16}, {28, 27}, {25, 30}, {22, 27}, {20, 29}, {18, 27}, {19, 25}, {13, 19}}));
}

// A curved arrow turning back over a sheet's line of text: Undo points left, Redo (mirrored)
// right.
void DrawTurnArrow(QPainter& p) {
    QPainterPath curve;
    curve.moveTo(9, 12);
    curve.cubicTo(16, 5, 29, 8, 27, 18);
    curve.cubicTo(26, 24, 20, 27, 14, 27);
    p.setPen(QPen(kArrow, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(Outline(1.2));
    p.setBrush(kArrow);
    p.drawPolygon(QPolygonF({{3, 15}, {12, 5}, {14, 17}}));
}

void DrawUndo(QPainter& p) {
    DrawTurnArrow(p);
}

void DrawRedo(QPainter& p) {
    p.translate(kGrid, 0);
    p.scale(-1, 1);
    DrawTurnArrow(p);
}

using Drawing = void (*)(QPainter&);

constexpr struct {
    Command command;
    Drawing drawing;
} kDrawings[] = {
    {Command::New, DrawSheet}, {Command::Open, DrawFolder}, {Command::Save, DrawDisk},
    {Command::Read, DrawRead}, {Command::Write, DrawWrite}, {Command::Relock, DrawKey},
    {Command::Undo, DrawUndo}, {Command::Redo, DrawRedo},
};

Drawing DrawingOf(Command command) {
    for (const auto& entry : kDrawings) {
        if (entry.command == command) return entry.drawing;
    }
    return nullptr;
}

// Draws the picture at whatever size and scale the toolbar asks; disabled buttons greyed.
class DrawnIconEngine : public QIconEngine {
  public:
    explicit DrawnIconEngine(Drawing drawing) : drawing_(drawing) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        if (drawing_ == nullptr) return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / kGrid, rect.height() / kGrid);
        if (mode == QIcon::Disabled) painter->setOpacity(0.35);
        drawing_(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(drawing_); }

  private:
    Drawing drawing_;
};

}  // namespace

QIcon ToolbarIcon(Command command) {
    return QIcon(new DrawnIconEngine(DrawingOf(command)));
}

}  // namespace qv
