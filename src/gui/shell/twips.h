// Sizes given in twips (1/1440 inch) as pixels of a widget's screen, at its logical DPI: right at
// 100 % and at 200 % scaling alike.
#pragma once

#include <QWidget>

#include <span>

class QTableView;

namespace qv {

inline constexpr int kTwipsPerInch = 1440;

inline int TwipsToPixelsX(int twips, const QWidget& widget) {
    return (twips * widget.logicalDpiX() + kTwipsPerInch / 2) / kTwipsPerInch;
}

inline int TwipsToPixelsY(int twips, const QWidget& widget) {
    return (twips * widget.logicalDpiY() + kTwipsPerInch / 2) / kTwipsPerInch;
}

// A grid's columns at their widths in twips and its rows at `rowTwips`; a caption or a text wider
// than its column (another language, a larger font) widens the column rather than be clipped.
void ApplyTwipsGeometry(QTableView& view, std::span<const int> columnTwips, int rowTwips);

}  // namespace qv
