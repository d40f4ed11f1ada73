// Ctrl+C (SIGINT), SIGTERM and a terminal that goes away (SIGHUP), taken as requests to stop that
// the event loop handles in turn, instead of ending the process in the middle of writing a radio.
// The handler is told how many such requests came so far: a command can stop gently on the first
// and at once on the second.
#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace qv::cli {

class StopSignals {
  public:
    // Catches the signals while it lives; one object at a time. `requested` runs in the event
    // loop, once for each signal, with the count so far (1 for the first).
    explicit StopSignals(std::function<void(int count)> requested);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

  private:
    void Take();

    std::function<void(int)> requested_;
    std::unique_ptr<QSocketNotifier> notifier_;
    int count_ = 0;
};

}  // namespace qv::cli
