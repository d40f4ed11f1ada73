// The programming station's counters, large enough to read from the bench: radios written,
// verified and failed, and skipped once a radio of another band came.
#pragma once

#include <QWidget>

#include <array>

#include "i18n/language.h"
#include "link/qt/programming_station.h"

class QLabel;

namespace qv {

class StationCounters : public QWidget {
    Q_OBJECT

  public:
    explicit StationCounters(Language language, QWidget* parent = nullptr);

    void Show(const StationTally& tally);

  private:
    std::array<QLabel*, 4> captions_{};  // written, verified, failed, skipped
    std::array<QLabel*, 4> counts_{};
};

}  // namespace qv
