#include "cli/stop_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <csignal>

namespace qv::cli {
namespace {

constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};

// A signal handler may only write to a descriptor: the event loop reads the other end.
int signalSockets[2] = {-1, -1};

void WriteSignal(int) {
    const char byte = 1;
    (void)!::write(signalSockets[0], &byte, 1);
}

}  // namespace

StopSignals::StopSignals(std::function<void(int)> requested) : requested_(std::move(requested)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(signalSockets[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Take(); });
    struct sigaction action {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

StopSignals::~StopSignals() {
    if (notifier_ == nullptr) return;
    for (const int signal : kSignals) std::signal(signal, SIG_DFL);
    notifier_.reset();
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void StopSignals::Take() {
    char byte = 0;
    if (::read(signalSockets[1], &byte, 1) != 1) return;
    if (requested_) requested_(++count_);
}

}  // namespace qv::cli
