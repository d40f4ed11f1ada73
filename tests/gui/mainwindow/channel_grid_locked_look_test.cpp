// The locked channel grid as a user sees it: greyed, yet every text readable on the colour of its
// group of channels, in the label column and in the header row.
#include <QHeaderView>
#include <QImage>

#include <algorithm>
#include <map>

#include "gui/mainwindow/channel_grid_test_support.h"
#include "gui/shell/legible_colour.h"

namespace qv {
namespace {

Rgb ToRgb(QRgb pixel) {
    return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

// The contrast of the text drawn in `picture` with the colour most of its pixels have: the glyphs'
// strongest pixel against the background.
double TextContrast(const QImage& picture) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) ++counts[picture.pixel(x, y) | 0xFF000000u];
    }
    QRgb background = 0;
    int most = 0;
    for (const auto& [colour, count] : counts) {
        if (count > most) {
            background = colour;
            most = count;
        }
    }
    double strongest = 1.0;
    for (const auto& entry : counts) {
        strongest = std::max(strongest, ContrastRatio(ToRgb(entry.first), ToRgb(background)));
    }
    return strongest;
}

class LockedGridLook : public test::GridTest {
  protected:
    // A picture of a cell, its grid lines left out.
    QImage CellPicture(int channel, int column) {
        Grid()->scrollTo(Cell(channel, column));
        const QRect cell = CellRect(channel, column).adjusted(1, 1, -2, -2);
        return Grid()->viewport()->grab(cell).toImage();
    }
    QImage HeaderPicture(int column) {
        QHeaderView* header = Grid()->horizontalHeader();
        const QRect section(header->sectionViewportPosition(column) + 2, 2,
                            header->sectionSize(column) - 4, header->height() - 4);
        return header->viewport()->grab(section).toImage();
    }

    struct Sample {
        const char* what;
        int channel;  // 0: the header row
        int column;
    };
    static constexpr Sample kSamples[] = {
        {"first group", 1, kColTxFrequency},  {"second group", 17, kColTxFrequency},
        {"third group", 33, kColTxFrequency}, {"label of the first group", 1, 0},
        {"label of the second group", 17, 0}, {"label of the third group", 33, 0},
        {"header row", 0, kColRxFrequency},   {"header of the label column", 0, 0},
    };
    std::map<const char*, double> Contrasts() {
        std::map<const char*, double> contrasts;
        for (const Sample& s : kSamples) {
            contrasts[s.what] = TextContrast(s.channel == 0 ? HeaderPicture(s.column)
                                                            : CellPicture(s.channel, s.column));
        }
        return contrasts;
    }
};

TEST_F(LockedGridLook, LockedTextsReadOnEveryGroupYetLookGreyed) {
    Start(Parameters{0, 0, 1});
    for (int channel : {1, 17, 33}) {
        PutChannel(channel,
                   {"435.12500", "67.0", "436.12500", "D023N", "Low", "Carrow", "Narrow", "No"},
                   {0, 0, 1, 0, 51, 0, 1, 0, 0, 0, 0, 0});
    }
    // The current (selected) cell lies away from the others sampled: it has colours of its own.
    Grid()->setCurrentIndex(Cell(33, kColScan));
    const std::map<const char*, double> unlocked = Contrasts();

    Action("mnulock")->trigger();
    ASSERT_FALSE(Grid()->isEnabled());
    const std::map<const char*, double> locked = Contrasts();
    for (const Sample& s : kSamples) {
        SCOPED_TRACE(s.what);
        EXPECT_GE(locked.at(s.what), kLegibleContrast) << "legible";
        EXPECT_LT(locked.at(s.what), unlocked.at(s.what) - 1.0) << "greyer than unlocked";
    }
    EXPECT_GE(TextContrast(CellPicture(33, kColScan)), kLegibleContrast)
        << "the selected cell reads on the selection's colour";
}

}  // namespace
}  // namespace qv
