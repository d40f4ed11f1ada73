#include "gui/dialogs/station_cues.h"

#include <QApplication>

namespace qv {
namespace {

// Quick enough that three beeps are heard as one sound, apart enough that they are counted.
constexpr int kBeepIntervalMs = 180;

constexpr StationCue kCues[] = {
    {StationResult::Written, 1, StationWindowTextId::CueOneBeep},
    {StationResult::Failed, 3, StationWindowTextId::CueThreeBeeps},
    {StationResult::Skipped, 3, StationWindowTextId::CueThreeBeeps},
};

}  // namespace

const StationCue& CueFor(StationResult result) {
    for (const StationCue& cue : kCues) {
        if (cue.result == result) return cue;
    }
    return kCues[1];
}

CuePlayer::CuePlayer(QObject* parent) : QObject(parent) {
    timer_.setInterval(kBeepIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &CuePlayer::Ring);
}

void CuePlayer::Play(const StationCue& cue) {
    if (!rings_.empty()) rings_.push_back(false);
    for (int beep = 0; beep < cue.beeps; ++beep) rings_.push_back(true);
    if (!timer_.isActive()) {
        Ring();
        timer_.start();
    }
}

void CuePlayer::Ring() {
    if (rings_.empty()) {
        timer_.stop();
        return;
    }
    if (rings_.front()) QApplication::beep();
    rings_.pop_front();
}

}  // namespace qv
