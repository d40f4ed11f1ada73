#include "gui/mainwindow/channel_grid_view.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <array>

#include "gui/mainwindow/channel_grid_delegate.h"
#include "gui/shell/plain_header.h"
#include "gui/shell/twips.h"

namespace qv {
namespace {

// Column widths in twips, column 0 (the channel label) first.
constexpr std::array<int, kGridColumns> kColumnTwips = {800, 1330, 1000, 1330, 1000,
                                                        800, 850,  1000, 900};
constexpr int kRowTwips = 300;

}  // namespace

ChannelGridView::ChannelGridView(ChannelGridModel& model, QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("Grid1"));
    setHorizontalHeader(new PlainHeader(this));
    setModel(&model);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);  // a header selects no column
    // Shift and Ctrl with a press or an arrow key take in more cells, to copy them.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);  // Tab leaves the grid for the frames beside it
    // New captions in another language may need wider columns.
    connect(&model, &QAbstractItemModel::headerDataChanged, this, [this] { ApplyGeometry(); });
    // The open editor follows its cell at once, not only when the view next lays itself out.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            &ChannelGridView::updateEditorGeometries);
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            &ChannelGridView::updateEditorGeometries);
    ApplyGeometry();
    KeepHeaderLegible();
    // The keyboard starts on the first channel's receive frequency.
    setCurrentIndex(model.index(ChannelGridModel::RowOfChannel(1), kColRxFrequency));
}

int ChannelGridView::FullWidth() const {
    int width = 0;
    for (int column = 0; column < kGridColumns; ++column) width += columnWidth(column);
    return width + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
}

QSize ChannelGridView::sizeHint() const {
    const int rows = verticalHeader()->defaultSectionSize() * kChannelCount;
    return {FullWidth(), horizontalHeader()->sizeHint().height() + rows + 2 * frameWidth()};
}

bool ChannelGridView::EditCell(const QModelIndex& cell) {
    return edit(cell, QAbstractItemView::AllEditTriggers, nullptr);
}

void ChannelGridView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    // Another font: the captions may need wider columns.
    if (event->type() == QEvent::FontChange) ApplyGeometry();
    if (event->type() == QEvent::PaletteChange) KeepHeaderLegible();
}

void ChannelGridView::KeepHeaderLegible() {
    // The cells see to their own texts (the delegate); the header row is the style's to paint.
    const QPalette& own = palette();
    QPalette header = horizontalHeader()->palette();
    header.setColor(QPalette::Disabled, QPalette::ButtonText,
                    LockedTextColour(own.color(QPalette::Disabled, QPalette::Button),
                                     own.color(QPalette::Disabled, QPalette::ButtonText),
                                     own.color(QPalette::Active, QPalette::ButtonText)));
    horizontalHeader()->setPalette(header);
}

void ChannelGridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    // A press that takes in more cells opens no editor.
    if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) return;
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (!pressed.isValid()) return;
    pressHeld_ = true;
    emit EditRequested(pressed);
}

void ChannelGridView::mouseMoveEvent(QMouseEvent* event) {
    if (pressHeld_ && (event->buttons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    pressHeld_ = false;
    QTableView::mouseMoveEvent(event);
}

void ChannelGridView::mouseReleaseEvent(QMouseEvent* event) {
    const bool released = pressHeld_ && event->button() == Qt::LeftButton;
    pressHeld_ = false;
    QTableView::mouseReleaseEvent(event);
    if (released) emit PressReleased();
}

void ChannelGridView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (currentIndex().isValid()) emit EditRequested(currentIndex());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex ChannelGridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // The label column is no cell to edit: the keyboard stops at the receive frequency.
    const QModelIndex next = QTableView::moveCursor(action, modifiers);
    if (next.isValid() && next.column() == 0) return next.siblingAtColumn(kColRxFrequency);
    return next;
}

void ChannelGridView::ApplyGeometry() {
    ApplyTwipsGeometry(*this, kColumnTwips, kRowTwips);
}

}  // namespace qv
