// Puts a VirtualRadio, or a shelf of radios taking turns, on a POSIX pseudo-terminal: the tool
// opens DevicePath() as its serial port, and a worker thread answers for the radio. Used by the
// end-to-end tests, the benchmarks and `qv7100-cli simulate`.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <thread>

#include "sim/radio_shelf.h"
#include "sim/virtual_radio.h"

namespace qv {

class PtyServer {
  public:
    // With `paced`, bytes take the time they would on a 9600-baud 8N1 line both ways: the tool's
    // bytes come in one after the other at that rate, a reply starts once the last byte of the
    // frame it answers has come in, and its bytes follow one by one at that rate. Without,
    // replies go out at once.
    PtyServer(VirtualRadio radio, bool paced);
    // The radios of `shelf` take turns on the line; the first comes as the server starts.
    PtyServer(RadioShelf shelf, bool paced);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Creates the pseudo-terminal and starts answering. On failure returns false and, when
    // `error` is given, says why. A server starts once.
    bool Start(std::string* error);

    // The device the tool opens ("/dev/pts/7"); empty before Start. It can be opened and closed
    // any number of times until the server stops or the radio hangs up.
    const std::string& DevicePath() const { return devicePath_; }

    // Stops answering and closes the pseudo-terminal. Returns promptly, also in the middle of a
    // paced reply; safe to call more than once.
    void Stop();

    // Puts `bytes` on the line as if the radio had sent them unasked (a late reply to a transfer
    // that has already given up) and returns once they wait there for the tool to read them.
    // False when the line is closed or the bytes did not arrive. Call while no transfer runs.
    bool SendUnasked(std::span<const std::uint8_t> bytes);

    // A copy of what the radio has seen and holds, safe while the server runs; of a shelf, the
    // radio there now or the one there last.
    RadioRecord Snapshot() const;
    // Every radio of the shelf with the times of its turn, safe while the server runs.
    std::vector<ShelfRadioRecord> ShelfSnapshot() const;

  private:
    using Nanoseconds = std::int64_t;  // on the monotonic clock

    void Run();
    bool Deliver(const RadioReply& reply, Nanoseconds frameEnd);
    bool WriteAll(std::span<const std::uint8_t> bytes);
    bool Pause(Nanoseconds deadline);
    void WaitUntilDrained();
    void HangUp();
    void CloseAll();

    mutable std::mutex radioMutex_;
    RadioShelf shelf_;  // guarded by radioMutex_
    const bool paced_;
    std::string devicePath_;
    int master_ = -1;
    int keptSlave_ = -1;  // spares the master a hang-up whenever the tool closes the device
    int wakeRead_ = -1;   // self-pipe that wakes the worker for Stop
    int wakeWrite_ = -1;
    bool started_ = false;
    std::atomic<bool> stopping_{false};
    Nanoseconds lineFreeAt_ = 0;   // when the last paced reply is fully on the wire
    Nanoseconds inputFreeAt_ = 0;  // when the tool's last byte has fully come in
    std::thread worker_;
};

}  // namespace qv
