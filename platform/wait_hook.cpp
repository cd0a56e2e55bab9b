#include "platform/wait_hook.h"

#include <algorithm>
#include <cerrno>

namespace qbx {

int PollCallingHook(pollfd& entry, const CDeadline* deadline, const WaitHook& hook) {
    for (;;) {
        const int remaining = deadline ? deadline->RemainingMilliseconds() : -1;
        const int wait = hook && (remaining < 0 || remaining > kWaitSliceMs) ? kWaitSliceMs : remaining;
        const int ready = ::poll(&entry, 1, wait);
        if (ready > 0) return ready;
        if (ready < 0 && errno != EINTR) return -1;
        // A signal does not stretch the wait: the next slice takes only what is left.
        if (ready == 0 && wait == remaining) return 0;
        if (hook) hook();
    }
}

void SleepCallingHook(int milliseconds, const WaitHook& hook) {
    if (!hook) {
        SleepMilliseconds(milliseconds);
        return;
    }
    CDeadline deadline(milliseconds);
    while (!deadline.Expired()) {
        SleepMilliseconds(std::min(deadline.RemainingMilliseconds(), kWaitSliceMs));
        hook();
    }
}

} // namespace qbx
