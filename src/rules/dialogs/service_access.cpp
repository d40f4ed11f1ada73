#include "rules/dialogs/service_access.h"

#include "rules/dialogs/time_of_day.h"

namespace qv {
namespace {

// From `earlierMs` to `nowMs` on a clock that starts again at midnight. A time a little before
// `earlierMs` stays negative (a rounded click time may lie ahead of the next click); one more than
// half a day before it belongs to the next day.
int ElapsedMs(int earlierMs, int nowMs) {
    const int elapsed = nowMs - earlierMs;
    return elapsed < -kMsPerDay / 2 ? elapsed + kMsPerDay : elapsed;
}

int RoundedSeconds(int ms) {
    return (ms + 500) / 1000;
}

}  // namespace

Changes ClickServiceLabel(Session& session, ServiceLabel label, int nowMs) {
    ServiceSequence& sequence = session.Form5Sequence;
    if (sequence.matched > 0) {
        const int elapsed = ElapsedMs(sequence.startedAtMs, nowMs);
        if (elapsed < 0 || elapsed > kServiceWindowMs) sequence = {};
    }
    if (sequence.completed) return OpenCalibrationAccess(session);
    // A label out of turn starts the pattern anew, and may be its first click.
    if (label != kServicePattern[static_cast<std::size_t>(sequence.matched)]) sequence = {};
    if (label != kServicePattern[static_cast<std::size_t>(sequence.matched)]) return {};
    if (sequence.matched == 0) sequence.startedAtMs = nowMs;
    if (++sequence.matched < static_cast<int>(kServicePattern.size())) return {};
    sequence.completed = true;
    return OpenCalibrationAccess(session);
}

Changes OpenCalibrationAccess(Session& session) {
    session.ServiceButtonVisible = true;
    session.Form2SlidersEnabled = true;
    session.CalibrationUnlocked = true;
    return StatePart::Calibration;
}

Changes CloseCalibrationAccess(Session& session) {
    session.Form5Sequence = {};
    session.Form2SlidersEnabled = false;
    session.CalibrationUnlocked = false;
    session.ServiceButtonVisible = false;
    return StatePart::Calibration;
}

Changes ClickServiceButton(Session& session, int nowMs) {
    int& stored = session.ServiceButtonClickSeconds;
    if (stored == 0 || ElapsedMs(stored * 1000, nowMs) >= 1000) {
        stored = RoundedSeconds(nowMs);
        return {};
    }
    stored = 0;
    return CloseCalibrationAccess(session);
}

}  // namespace qv
