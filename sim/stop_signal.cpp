#include "sim/stop_signal.h"

#include <csignal>
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace qbx::sim {

namespace {

sigset_t StopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    return set;
}

} // namespace

CStopSignal::CStopSignal() {
    const sigset_t set = StopSignals();
    if (sigprocmask(SIG_BLOCK, &set, nullptr) == 0) fd = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
}

// A pending stop is taken off before the signals are unblocked, or it would
// end the process by signal instead of by the caller's clean return.
CStopSignal::~CStopSignal() {
    if (fd >= 0) {
        signalfd_siginfo info;
        while (read(fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        }
        close(fd);
    }
    const sigset_t set = StopSignals();
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

bool CStopSignal::Raised() const {
    if (fd < 0) return false;
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, 0) > 0 && (p.revents & POLLIN) != 0;
}

} // namespace qbx::sim
