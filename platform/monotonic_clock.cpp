#include "platform/monotonic_clock.h"

#include <cerrno>
#include <ctime>

namespace qbx {

std::int64_t MonotonicMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

std::int64_t MonotonicMilliseconds() {
    return MonotonicMicroseconds() / 1000;
}

void SleepMilliseconds(int milliseconds) {
    if (milliseconds <= 0) return;
    timespec wake{};
    clock_gettime(CLOCK_MONOTONIC, &wake);
    wake.tv_sec += milliseconds / 1000;
    wake.tv_nsec += static_cast<long>(milliseconds % 1000) * 1000000L;
    if (wake.tv_nsec >= 1000000000L) {
        wake.tv_sec += 1;
        wake.tv_nsec -= 1000000000L;
    }
    // An absolute wake-up time keeps the total right across interruptions.
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr) == EINTR) {
    }
}

CDeadline::CDeadline(int milliseconds)
    : endMicroseconds(MonotonicMicroseconds() +
                      static_cast<std::int64_t>(milliseconds < 0 ? 0 : milliseconds) * 1000) {}

int CDeadline::RemainingMilliseconds() const {
    std::int64_t left = endMicroseconds - MonotonicMicroseconds();
    if (left <= 0) return 0;
    // Round up so that a poll never wakes a fraction of a millisecond early
    // and reports a time-out before the deadline has really passed.
    return static_cast<int>((left + 999) / 1000);
}

} // namespace qbx
