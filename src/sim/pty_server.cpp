#include "sim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>
#include <utility>
#include <vector>

namespace qv {
namespace {

using Nanoseconds = std::int64_t;

constexpr Nanoseconds kSecond = 1'000'000'000;
constexpr Nanoseconds kMillisecond = 1'000'000;
// 9600 baud, 8N1: ten bits on the wire per byte.
constexpr Nanoseconds kBitsPerByte = 10;
constexpr Nanoseconds kBaudRate = 9600;
// Between the pieces of a split reply on an unpaced line, so the reader sees them apart.
constexpr Nanoseconds kSplitPause = 300'000;
// Waits longer than this watch the wake pipe instead of sleeping through, so Stop is not held up.
constexpr Nanoseconds kLongWait = 3 * kMillisecond;
constexpr Nanoseconds kLongWaitSlice = 100 * kMillisecond;
// Before hanging up the radio lets the tool read its last reply, since a hang-up throws away
// whatever is still queued. The bytes may take a moment to reach the queue at all.
constexpr Nanoseconds kDrainSettle = 10 * kMillisecond;
constexpr Nanoseconds kDrainLimit = kSecond;
constexpr int kDrainPollMs = 1;

// Line time of `bytes` bytes, computed as a whole so that no rounding accumulates.
constexpr Nanoseconds WireTime(std::size_t bytes) {
    return static_cast<Nanoseconds>(bytes) * kBitsPerByte * kSecond / kBaudRate;
}

Nanoseconds Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return Nanoseconds{now.tv_sec} * kSecond + now.tv_nsec;
}

void SleepUntil(Nanoseconds deadline) {
    timespec until{};
    until.tv_sec = static_cast<time_t>(deadline / kSecond);
    until.tv_nsec = static_cast<long>(deadline % kSecond);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

bool SetFlags(int fd) {
    const int status = fcntl(fd, F_GETFL);
    const int descriptor = fcntl(fd, F_GETFD);
    return status >= 0 && descriptor >= 0 && fcntl(fd, F_SETFL, status | O_NONBLOCK) == 0 &&
           fcntl(fd, F_SETFD, descriptor | FD_CLOEXEC) == 0;
}

void CloseFd(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

bool Fail(std::string* error, const char* what) {
    if (error != nullptr)
        *error = std::string(what) + ": " + std::generic_category().message(errno);
    return false;
}

}  // namespace

PtyServer::PtyServer(VirtualRadio radio, bool paced) : shelf_(std::move(radio)), paced_(paced) {}

PtyServer::PtyServer(RadioShelf shelf, bool paced) : shelf_(std::move(shelf)), paced_(paced) {}

PtyServer::~PtyServer() {
    Stop();
}

bool PtyServer::Start(std::string* error) {
    if (started_) {
        if (error != nullptr) *error = "the server was started before";
        return false;
    }
    started_ = true;
    const bool opened = [&] {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0) return Fail(error, "posix_openpt");
        if (grantpt(master_) != 0) return Fail(error, "grantpt");
        if (unlockpt(master_) != 0) return Fail(error, "unlockpt");
        std::array<char, 128> name{};
        if (ptsname_r(master_, name.data(), name.size()) != 0) return Fail(error, "ptsname");
        devicePath_ = name.data();
        keptSlave_ = open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (keptSlave_ < 0) return Fail(error, "open slave");
        // Raw at once, so that nothing the radio sends comes back echoed.
        termios line{};
        if (tcgetattr(keptSlave_, &line) != 0) return Fail(error, "tcgetattr");
        cfmakeraw(&line);
        cfsetispeed(&line, B9600);
        cfsetospeed(&line, B9600);
        if (tcsetattr(keptSlave_, TCSANOW, &line) != 0) return Fail(error, "tcsetattr");
        if (!SetFlags(master_)) return Fail(error, "fcntl");
        std::array<int, 2> wake{};
        if (pipe(wake.data()) != 0) return Fail(error, "pipe");
        wakeRead_ = wake[0];
        wakeWrite_ = wake[1];
        if (!SetFlags(wakeRead_) || !SetFlags(wakeWrite_)) return Fail(error, "fcntl");
        return true;
    }();
    if (!opened) {
        CloseAll();
        return false;
    }
    {
        const std::lock_guard lock(radioMutex_);
        shelf_.Open(Now());
    }
    try {
        worker_ = std::thread(&PtyServer::Run, this);
    } catch (const std::system_error& e) {
        if (error != nullptr) *error = std::string("thread: ") + e.what();
        CloseAll();
        return false;
    }
    return true;
}

void PtyServer::Stop() {
    stopping_ = true;
    if (wakeWrite_ >= 0) {
        const std::uint8_t wake = 1;
        [[maybe_unused]] const ssize_t written = write(wakeWrite_, &wake, 1);
    }
    if (worker_.joinable()) worker_.join();
    CloseAll();
}

RadioRecord PtyServer::Snapshot() const {
    const std::lock_guard lock(radioMutex_);
    return shelf_.Current().Record();
}

std::vector<ShelfRadioRecord> PtyServer::ShelfSnapshot() const {
    const std::lock_guard lock(radioMutex_);
    return shelf_.Records();
}

bool PtyServer::SendUnasked(std::span<const std::uint8_t> bytes) {
    if (master_ < 0 || keptSlave_ < 0 || !WriteAll(bytes)) return false;
    const Nanoseconds deadline = Now() + kDrainLimit;
    while (Now() < deadline) {
        int queued = 0;
        if (ioctl(keptSlave_, FIONREAD, &queued) != 0) return false;
        if (queued >= static_cast<int>(bytes.size())) return true;
        SleepUntil(Now() + kMillisecond);
    }
    return false;
}

void PtyServer::CloseAll() {
    CloseFd(master_);
    CloseFd(keptSlave_);
    CloseFd(wakeRead_);
    CloseFd(wakeWrite_);
}

void PtyServer::Run() {
    std::array<std::uint8_t, 512> buffer{};
    while (!stopping_) {
        std::array<pollfd, 2> watched = {{{master_, POLLIN, 0}, {wakeRead_, POLLIN, 0}}};
        if (poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (watched[1].revents != 0) return;
        const ssize_t count = read(master_, buffer.data(), buffer.size());
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) continue;
        if (count <= 0) {
            // The line is gone; nothing more will come until Stop.
            Pause(Now() + kDrainLimit);
            continue;
        }
        const Nanoseconds arrival = Now();
        for (ssize_t i = 0; i < count; ++i) {
            // On a paced line the tool's bytes come one after the other at the line's rate, also
            // when the tool handed over several at once: byte i is in once its last bit is.
            inputFreeAt_ = std::max(arrival, inputFreeAt_) + WireTime(1);
            std::vector<RadioReply> replies;
            {
                const std::lock_guard lock(radioMutex_);
                replies = shelf_.Receive(std::span(&buffer[static_cast<std::size_t>(i)], 1),
                                         paced_ ? inputFreeAt_ : arrival);
            }
            for (const RadioReply& reply : replies) {
                if (!Deliver(reply, inputFreeAt_)) return;
                if (reply.hangUpAfter) {
                    WaitUntilDrained();
                    HangUp();
                    return;
                }
            }
        }
    }
}

bool PtyServer::Deliver(const RadioReply& reply, Nanoseconds frameEnd) {
    const std::span<const std::uint8_t> bytes = reply.bytes;
    if (!paced_) {
        if (!reply.byteByByte) return WriteAll(bytes);
        for (std::size_t k = 0; k < bytes.size(); ++k) {
            if (!WriteAll(bytes.subspan(k, 1)) || !Pause(Now() + kSplitPause)) return false;
        }
        return true;
    }
    // The reply starts once the tool's frame has fully come in and the radio's previous reply is
    // out; byte k is in the tool's hands when its last bit is.
    const Nanoseconds start = std::max(frameEnd, lineFreeAt_);
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        if (!Pause(start + WireTime(k + 1)) || !WriteAll(bytes.subspan(k, 1))) return false;
    }
    lineFreeAt_ = start + WireTime(bytes.size());
    return true;
}

bool PtyServer::WriteAll(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(master_, bytes.data(), bytes.size());
        if (written > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR) continue;
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
        // The tool is not reading: wait for room, or for Stop.
        std::array<pollfd, 2> watched = {{{master_, POLLOUT, 0}, {wakeRead_, POLLIN, 0}}};
        if (poll(watched.data(), watched.size(), -1) < 0 && errno != EINTR) return false;
        if (watched[1].revents != 0) return false;
    }
    return true;
}

// Sleeps until `deadline` and tells whether the server is still running.
bool PtyServer::Pause(Nanoseconds deadline) {
    while (!stopping_) {
        const Nanoseconds left = deadline - Now();
        if (left <= 0) return true;
        if (left <= kLongWait) {
            SleepUntil(deadline);
        } else {
            pollfd wake = {wakeRead_, POLLIN, 0};
            poll(&wake, 1, static_cast<int>(std::min(left, kLongWaitSlice) / kMillisecond));
        }
    }
    return false;
}

void PtyServer::WaitUntilDrained() {
    const Nanoseconds begin = Now();
    if (!Pause(begin + kDrainSettle)) return;
    while (Now() - begin < kDrainLimit) {
        int queued = 0;
        if (ioctl(keptSlave_, FIONREAD, &queued) != 0 || queued <= 0) return;
        pollfd wake = {wakeRead_, POLLIN, 0};
        if (poll(&wake, 1, kDrainPollMs) > 0) return;
    }
}

void PtyServer::HangUp() {
    CloseFd(master_);
    CloseFd(keptSlave_);
}

}  // namespace qv
