#include "gui/shell/termination_signals.h"

#include <QSocketNotifier>

#include <array>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#endif

namespace qv {

#ifdef Q_OS_UNIX
namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGHUP, SIGINT};

// A signal handler may only write to a descriptor: the event loop reads the other end.
int signalSockets[2] = {-1, -1};

void WriteSignal(int) {
    const char byte = 1;
    (void)!::write(signalSockets[0], &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) return;
    notifier_ = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::Take);
    struct sigaction action {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) return;
    for (const int signal : kSignals) std::signal(signal, SIG_DFL);
    delete notifier_;
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void TerminationSignals::Take() {
    char byte = 0;
    if (::read(signalSockets[1], &byte, 1) == 1) emit Received();
}

#else

// Elsewhere the system ends a program through its windows, which Quit already serves.
TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;
void TerminationSignals::Take() {}

#endif

}  // namespace qv
