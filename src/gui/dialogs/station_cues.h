// The sound a radio's end makes at the station, so that the bench hears it without looking: one
// beep for a radio written, three quick ones for a radio that failed or was skipped (it must be
// looked at). The system's bell rings them: no sound library is loaded for a few beeps, and a
// desktop that turned its bell off stays quiet. The window names the sound with the radio it was
// for, so that a beep heard from afar is found on the screen.
#pragma once

#include <QObject>
#include <QTimer>

#include <deque>

#include "i18n/station_window_texts.h"
#include "rules/station/station_log.h"

namespace qv {

struct StationCue {
    StationResult result;
    int beeps;
    StationWindowTextId name;  // the sound in words
};

// The cue of a radio that ended with `result`.
const StationCue& CueFor(StationResult result);

// Rings cues one after the other: radios ending together are each heard.
class CuePlayer : public QObject {
  public:
    explicit CuePlayer(QObject* parent = nullptr);

    void Play(const StationCue& cue);

  private:
    void Ring();

    QTimer timer_;
    std::deque<bool> rings_;  // still to come, a tick each: a beep, or the pause between two cues
};

}  // namespace qv
