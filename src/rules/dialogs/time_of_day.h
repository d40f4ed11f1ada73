// The time of day the service sequence and the service button go by, in milliseconds since local
// midnight. Tests put a clock of their own in its place.
#pragma once

#include <functional>

namespace qv {

inline constexpr int kMsPerDay = 24 * 60 * 60 * 1000;

using TimeOfDayClock = std::function<int()>;

// The time of day now: from the clock set last, or the local time when none is set.
int TimeOfDayMs();

// Makes `clock` tell the time of day; an empty clock returns to the local time.
void SetTimeOfDayClock(TimeOfDayClock clock);

}  // namespace qv
