#include "gui/dialogs/station_counters.h"

#include <QHBoxLayout>
#include <QLabel>

#include "gui/shell/window_texts.h"

namespace qv {
namespace {

using Id = StationWindowTextId;

constexpr Id kCaptions[] = {Id::CounterWritten, Id::CounterVerified, Id::CounterFailed,
                            Id::CounterSkipped};
constexpr std::size_t kSkipped = 3;
// How much larger than the window's font the counts are drawn.
constexpr double kCountScale = 1.8;

}  // namespace

StationCounters::StationCounters(Language language, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fraCounters"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        captions_[i] = new QLabel(WindowText(kCaptions[i], language));
        captions_[i]->setObjectName(QStringLiteral("lblCounterCaption%1").arg(i));
        counts_[i] = new QLabel;
        counts_[i]->setObjectName(QStringLiteral("lblCounter%1").arg(i));
        counts_[i]->setAccessibleName(captions_[i]->text());
        QFont large = counts_[i]->font();
        large.setBold(true);
        large.setPointSizeF(large.pointSizeF() * kCountScale);
        counts_[i]->setFont(large);
        layout->addWidget(captions_[i]);
        layout->addWidget(counts_[i]);
        layout->addSpacing(counts_[i]->fontMetrics().averageCharWidth() * 2);
    }
    layout->addStretch(1);
    // Skipped counts only when a radio of another band came.
    captions_[kSkipped]->hide();
    counts_[kSkipped]->hide();
    Show({});
}

void StationCounters::Show(const StationTally& tally) {
    const int counts[] = {tally.written, tally.verified, tally.failed, tally.skipped};
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        counts_[i]->setText(QString::number(counts[i]));
        counts_[i]->setAccessibleDescription(counts_[i]->text());
    }
    if (tally.skipped > 0) {
        captions_[kSkipped]->show();
        counts_[kSkipped]->show();
    }
}

}  // namespace qv
