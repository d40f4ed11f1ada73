#include "rules/dialogs/time_of_day.h"

#include <chrono>
#include <ctime>
#include <utility>

namespace qv {
namespace {

TimeOfDayClock& SetClock() {
    static TimeOfDayClock clock;
    return clock;
}

int LocalTimeOfDayMs() {
    using namespace std::chrono;
    const system_clock::time_point now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    const auto fraction =
        duration_cast<milliseconds>(now - system_clock::from_time_t(seconds)).count();
    return ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000 +
           static_cast<int>(fraction);
}

}  // namespace

int TimeOfDayMs() {
    const TimeOfDayClock& clock = SetClock();
    return clock ? clock() : LocalTimeOfDayMs();
}

void SetTimeOfDayClock(TimeOfDayClock clock) {
    SetClock() = std::move(clock);
}

}  // namespace qv
