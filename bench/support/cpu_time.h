#pragma once
#include <ctime>
#include <sys/types.h>

namespace bench {

// Processor time used so far, in microseconds: by the calling thread, or by
// the whole process `pid` (one of our children). 0 when it cannot be read.
// Unlike a stopwatch it does not count what other programs on the machine
// take, so it shows each side's own cost even on a busy machine.
inline double CpuMicroseconds(clockid_t clock) {
    timespec used{};
    if (clock_gettime(clock, &used) != 0) return 0;
    return static_cast<double>(used.tv_sec) * 1e6 + static_cast<double>(used.tv_nsec) / 1e3;
}

inline double ThreadCpuMicroseconds() {
    return CpuMicroseconds(CLOCK_THREAD_CPUTIME_ID);
}

inline double ProcessCpuMicroseconds(pid_t pid) {
    clockid_t clock;
    return clock_getcpuclockid(pid, &clock) == 0 ? CpuMicroseconds(clock) : 0;
}

// The processor time of the program (this thread) and of one device process.
struct CpuSplit {
    double program = 0;
    double device = 0;
};

inline CpuSplit CpuNow(pid_t device) {
    return {ThreadCpuMicroseconds(), ProcessCpuMicroseconds(device)};
}

inline CpuSplit CpuSince(const CpuSplit& start, pid_t device) {
    CpuSplit now = CpuNow(device);
    return {now.program - start.program, now.device - start.device};
}

} // namespace bench
