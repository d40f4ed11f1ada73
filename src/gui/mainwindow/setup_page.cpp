#include "gui/mainwindow/setup_page.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

#include <algorithm>
#include <array>

#include "gui/shell/captions.h"

namespace qv {
namespace {

// The page is laid out in tenths of a millimetre and scaled to the device.
constexpr double kUnitsPerMm = 10.0;
constexpr double kMarginMm = 12.0;
constexpr double kTitleSize = 50.0;  // text heights, in tenths of a millimetre
constexpr double kTextSize = 30.0;
constexpr double kLineGap = 1.45;  // a line's height as a multiple of its text height
constexpr double kCellPadding = 12.0;
// The channel columns' shares of the table's width, as the grid's columns share the screen.
constexpr std::array<double, kGridColumns> kColumnShares = {800, 1330, 1000, 1330, 1000,
                                                            800, 850,  1000, 900};
// Black on white, as a page is read: the text, and the rules between the cells; a heavier rule
// under the header and between the groups of 16 channels instead of shades a printer greys.
const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
constexpr double kRuleWidth = 1.5;
constexpr double kGroupRuleWidth = 5.0;
constexpr std::size_t kChannelsPerGroup = 16;

QFont FontOf(double height, bool bold = false) {
    QFont font;
    font.setPixelSize(std::max(1, static_cast<int>(height)));
    font.setBold(bold);
    return font;
}

// The text height at which every cell of the table fits its column.
double TableTextSize(const PrintSheet& sheet, const std::array<double, kGridColumns>& widths) {
    const QFontMetricsF metrics(FontOf(kTextSize, true));
    double scale = 1.0;
    for (int column = 0; column < kGridColumns; ++column) {
        double widest = metrics.horizontalAdvance(ToQString(sheet.headers[column]));
        for (const auto& row : sheet.rows) {
            widest = std::max(widest, metrics.horizontalAdvance(ToQString(row[column])));
        }
        const double room = widths[static_cast<std::size_t>(column)] - 2 * kCellPadding;
        if (widest > room) scale = std::min(scale, room / widest);
    }
    return kTextSize * scale;
}

class PageWriter {
  public:
    PageWriter(QPainter& painter, double width) : painter_(painter), width_(width) {}

    void Line(const QString& text, double size, bool bold = false) {
        painter_.setFont(FontOf(size, bold));
        // A long file name keeps its beginning and its end.
        const QString shown =
            QFontMetricsF(painter_.font()).elidedText(text, Qt::ElideMiddle, width_);
        painter_.drawText(QRectF(0, y_, width_, size * kLineGap), Qt::AlignLeft | Qt::AlignVCenter,
                          shown);
        y_ += size * kLineGap;
    }

    // Label-value pairs in two columns.
    void Pairs(const std::vector<std::pair<std::string, std::string>>& pairs) {
        const double half = width_ / 2;
        const double height = kTextSize * kLineGap;
        const std::size_t rows = (pairs.size() + 1) / 2;
        for (std::size_t k = 0; k < pairs.size(); ++k) {
            const double x = k < rows ? 0 : half;
            const double y = y_ + static_cast<double>(k % rows) * height;
            painter_.setFont(FontOf(kTextSize, true));
            const QString label = ToQString(pairs[k].first) + QStringLiteral(": ");
            const double labelWidth = QFontMetricsF(painter_.font()).horizontalAdvance(label);
            painter_.drawText(QRectF(x, y, labelWidth, height), Qt::AlignLeft | Qt::AlignVCenter,
                              label);
            painter_.setFont(FontOf(kTextSize));
            painter_.drawText(QRectF(x + labelWidth, y, half - labelWidth, height),
                              Qt::AlignLeft | Qt::AlignVCenter, ToQString(pairs[k].second));
        }
        y_ += static_cast<double>(rows) * height;
    }

    void Gap(double height) { y_ += height; }

    // The channel table in the height that is left.
    void Table(const PrintSheet& sheet, double bottom) {
        std::array<double, kGridColumns> widths{};
        double shares = 0;
        for (const double share : kColumnShares) shares += share;
        for (std::size_t k = 0; k < widths.size(); ++k) {
            widths[k] = width_ * kColumnShares[k] / shares;
        }
        const double rowHeight = (bottom - y_) / static_cast<double>(sheet.rows.size() + 1);
        const double size = std::min(TableTextSize(sheet, widths), rowHeight / kLineGap);
        Row(sheet.headers, widths, rowHeight, size, true);
        for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
            if (r % kChannelsPerGroup == 0) GroupRule();
            Row(sheet.rows[r], widths, rowHeight, size, false);
        }
    }

  private:
    void Row(const std::array<std::string, kGridColumns>& cells,
             const std::array<double, kGridColumns>& widths, double height, double size,
             bool bold) {
        painter_.setFont(FontOf(size, bold));
        painter_.setPen(QPen(kInk, kRuleWidth));
        double x = 0;
        for (std::size_t k = 0; k < cells.size(); ++k) {
            const QRectF cell(x, y_, widths[k], height);
            painter_.fillRect(cell, kPaper);
            painter_.drawRect(cell);
            painter_.drawText(cell.adjusted(kCellPadding, 0, -kCellPadding, 0), Qt::AlignCenter,
                              ToQString(cells[k]));
            x += widths[k];
        }
        y_ += height;
    }

    // A heavy rule across the table where the next row starts.
    void GroupRule() {
        painter_.setPen(QPen(kInk, kGroupRuleWidth));
        painter_.drawLine(QPointF(0, y_), QPointF(width_, y_));
    }

    QPainter& painter_;
    double width_;
    double y_ = 0;
};

}  // namespace

bool PaintSetupPage(QPagedPaintDevice& device, const PrintSheet& sheet) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRectF paper = device.pageLayout().paintRect(QPageLayout::Millimeter);
    const double width = paper.width() * kUnitsPerMm;
    const double height = paper.height() * kUnitsPerMm;
    const double scale = painter.viewport().width() / width;
    painter.scale(scale, scale);
    painter.setPen(kInk);

    PageWriter page(painter, width);
    page.Line(ToQString(sheet.title), kTitleSize, true);
    page.Line(ToQString(sheet.fileLine), kTextSize);
    page.Line(ToQString(sheet.dateLine), kTextSize);
    page.Gap(kTextSize / 2);
    page.Line(ToQString(sheet.settingsHeading), kTextSize, true);
    page.Pairs(sheet.settings);
    page.Gap(kTextSize / 2);
    page.Table(sheet, height);
    return painter.end();
}

}  // namespace qv
