#include "gui/dialogs/station_port_tile.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

#include "gui/shell/window_texts.h"

namespace qv {
namespace {

// Each look's background and text: strong enough to tell apart from a few metres, with the text
// at a contrast of 4.5 or more on it.
struct LookColours {
    TileLook look;
    QRgb background;
    QRgb text;
};

constexpr LookColours kLooks[] = {
    {TileLook::Waiting, qRgb(0xEE, 0xEE, 0xEE), qRgb(0x20, 0x20, 0x20)},
    {TileLook::Writing, qRgb(0x15, 0x65, 0xC0), qRgb(0xFF, 0xFF, 0xFF)},
    {TileLook::Written, qRgb(0x2E, 0x7D, 0x32), qRgb(0xFF, 0xFF, 0xFF)},
    {TileLook::Failed, qRgb(0xC6, 0x28, 0x28), qRgb(0xFF, 0xFF, 0xFF)},
    {TileLook::Skipped, qRgb(0xF9, 0xA8, 0x25), qRgb(0x00, 0x00, 0x00)},
    {TileLook::Stopped, qRgb(0xEE, 0xEE, 0xEE), qRgb(0x20, 0x20, 0x20)},
};

// How much larger than the window's font the state is drawn.
constexpr double kStateScale = 1.8;

const LookColours& ColoursOf(TileLook look) {
    for (const LookColours& colours : kLooks) {
        if (colours.look == look) return colours;
    }
    return kLooks[0];
}

}  // namespace

StationPortTile::StationPortTile(int port, const QString& caption, Language language,
                                 QWidget* parent)
    : QFrame(parent) {
    const std::string com = "COM" + std::to_string(port);
    setObjectName(QStringLiteral("fraPort%1").arg(port));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    auto* head = new QLabel(caption);
    head->setObjectName(QStringLiteral("lblPort%1").arg(port));
    head->setTextInteractionFlags(Qt::TextSelectableByMouse);

    state_ = new QLabel;
    state_->setObjectName(QStringLiteral("lblState%1").arg(port));
    state_->setAccessibleName(WindowText(StationWindowTextId::StateName, language, {com}));
    state_->setWordWrap(true);
    QFont large = state_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * kStateScale);
    state_->setFont(large);

    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("prgPort%1").arg(port));
    progress_->setAccessibleName(WindowText(FleetTextId::ProgressName, language, {com}));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(progress_->sizeHint().height() / 2 + 2);

    details_ = new QLabel;
    details_->setObjectName(QStringLiteral("lblDetails%1").arg(port));
    details_->setAccessibleName(WindowText(StationWindowTextId::DetailName, language, {com}));
    details_->setWordWrap(true);
    details_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    const int margin = fontMetrics().height() / 3;
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin / 2);
    layout->addWidget(head);
    layout->addWidget(state_);
    layout->addWidget(progress_);
    layout->addWidget(details_);
    layout->addStretch(1);
}

void StationPortTile::Show(const PortView& view) {
    const LookColours& colours = ColoursOf(view.look);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(colours.background));
    palette.setColor(QPalette::WindowText, QColor(colours.text));
    setPalette(palette);
    state_->setText(view.state);
    // A screen reader reads the state as the label's description; its name says whose it is.
    state_->setAccessibleDescription(view.state);
    progress_->setValue(std::clamp(view.percent, 0, 100));
    details_->setText(view.details);
    details_->setAccessibleDescription(view.details);
    FitHeights();
}

void StationPortTile::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    FitHeights();
}

void StationPortTile::FitHeights() {
    for (QLabel* label : {state_, details_}) {
        const int height = label->heightForWidth(std::max(label->width(), label->minimumWidth()));
        if (height > 0 && height != label->minimumHeight()) label->setMinimumHeight(height);
    }
}

}  // namespace qv
