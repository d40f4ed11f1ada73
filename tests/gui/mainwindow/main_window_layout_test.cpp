// The main window fits its contents in either language, after a switch as at start-up: every
// column of the grid and every caption and list text of the frames shown whole, and no blank
// strip beside the grid.
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTableView>

#include <sstream>

#include "gui/gui_test_support.h"

namespace qv {
namespace {

using test::GuiTest;

// A blank strip of this width or less is the frame's own margin, not a gap.
constexpr int kBlankStripTolerance = 3;

// What a user sees of the window, as a list of faults; empty when everything fits.
struct Fit {
    int width = 0;
    int blankBesideGrid = 0;
    std::vector<std::string> clipped;

    std::string Describe() const {
        std::ostringstream out;
        out << "window " << width << " px, blank strip " << blankBesideGrid << " px";
        for (const std::string& fault : clipped) out << "; " << fault;
        return out.str();
    }
};

// The width a combo box gives its text.
int TextRoom(QComboBox& combo) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    return combo.style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
        .width();
}

// How many rounds of events the layouts take to settle: a list in a frame, in the side column, in
// the window.
constexpr int kLayoutRounds = 4;

Fit Measure(QMainWindow& window) {
    for (int round = 0; round < kLayoutRounds; ++round) QCoreApplication::processEvents();
    Fit fit;
    fit.width = window.width();
    auto* grid = window.findChild<QTableView*>(QStringLiteral("Grid1"));
    QHeaderView* header = grid->horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        const QString caption = grid->model()->headerData(column, Qt::Horizontal).toString();
        if (header->fontMetrics().horizontalAdvance(caption) > grid->columnWidth(column)) {
            fit.clipped.push_back("grid header " + caption.toStdString());
        }
    }
    // Every column inside the grid's view, none scrolled out of it.
    if (header->length() > grid->viewport()->width()) {
        fit.clipped.push_back("grid columns " + std::to_string(header->length()) + " px in " +
                              std::to_string(grid->viewport()->width()) + " px");
    }
    fit.blankBesideGrid = grid->viewport()->width() - header->length();

    for (const char* name : {"Frame1", "Frame2"}) {
        auto* frame = window.findChild<QGroupBox*>(QString::fromLatin1(name));
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, frame);
        if (frame->fontMetrics().horizontalAdvance(frame->title()) > label.width() ||
            label.right() > frame->width()) {
            fit.clipped.push_back(std::string(name) + " caption " + frame->title().toStdString());
        }
        for (QLabel* caption : frame->findChildren<QLabel*>()) {
            if (caption->fontMetrics().horizontalAdvance(caption->text()) > caption->width()) {
                fit.clipped.push_back("label " + caption->text().toStdString());
            }
        }
        for (QComboBox* list : frame->findChildren<QComboBox*>()) {
            for (int item = 0; item < list->count(); ++item) {
                if (list->fontMetrics().horizontalAdvance(list->itemText(item)) > TextRoom(*list)) {
                    fit.clipped.push_back(list->objectName().toStdString() + " item " +
                                          list->itemText(item).toStdString());
                    break;
                }
            }
        }
    }
    return fit;
}

class Layout : public GuiTest {
  protected:
    // The window of a fresh start in `english`, measured.
    Fit FreshStart(int english) {
        window.reset();
        program.reset();
        std::filesystem::remove(folder / kParameterFileName);
        Start(Parameters{0, 0, static_cast<std::uint8_t>(english)});
        return Measure(*window);
    }
};

TEST_F(Layout, AfterEachSwitchTheWindowFitsAsAFreshStartInThatLanguage) {
    const Fit chinese = FreshStart(0);
    const Fit english = FreshStart(1);
    for (const Fit* fresh : {&chinese, &english}) {
        EXPECT_TRUE(fresh->clipped.empty()) << fresh->Describe();
        EXPECT_LE(fresh->blankBesideGrid, kBlankStripTolerance) << fresh->Describe();
    }

    for (const int startIn : {0, 1}) {
        FreshStart(startIn);
        for (const int to : {1 - startIn, startIn, 1 - startIn}) {
            Action(to == 1 ? "mnuEnglish" : "mnuChinese")->trigger();
            const Fit now = Measure(*window);
            const Fit& fresh = to == 1 ? english : chinese;
            const std::string what = std::string("started in ") +
                                     (startIn ? "English" : "Chinese") + ", now " +
                                     (to ? "English" : "Chinese") + ": " + now.Describe() +
                                     " / fresh: " + fresh.Describe();
            EXPECT_TRUE(now.clipped.empty()) << what;
            EXPECT_LE(now.blankBesideGrid, kBlankStripTolerance) << what;
            EXPECT_NEAR(now.width, fresh.width, kBlankStripTolerance) << what;
        }
    }
}

TEST_F(Layout, AWindowTooShortForEveryChannelScrollsWithoutClippingOrAGap) {
    for (const int english : {0, 1}) {
        FreshStart(english);
        window->resize(window->width(), 500);
        const Fit shorter = Measure(*window);
        EXPECT_TRUE(shorter.clipped.empty()) << shorter.Describe();
        EXPECT_LE(shorter.blankBesideGrid, kBlankStripTolerance) << shorter.Describe();
    }
}

TEST_F(Layout, TheWindowKeepsToASizeAtWhichNothingIsClipped) {
    for (const int english : {0, 1}) {
        for (const bool switched : {false, true}) {
            FreshStart(english);
            if (switched) Action(english ? "mnuChinese" : "mnuEnglish")->trigger();
            window->resize(1, 1);
            const Fit smallest = Measure(*window);
            EXPECT_GT(window->width(), 1);
            // Only the grid may scroll.
            std::vector<std::string> clipped = smallest.clipped;
            std::erase_if(clipped, [](const std::string& fault) {
                return fault.starts_with("grid columns");
            });
            EXPECT_TRUE(clipped.empty()) << (switched ? "switched: " : "") << smallest.Describe();
        }
    }
}

}  // namespace
}  // namespace qv
