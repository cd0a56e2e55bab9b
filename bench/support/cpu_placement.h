#pragma once
#include <sched.h>

namespace bench {

// Where the program and the device side run. On a shared machine the
// scheduler may put two processes that wake each other on one CPU or on
// two, and a wake-up across CPUs costs tens of microseconds, more than a
// block's own work: a baseline and a measurement are comparable only when
// both sides sit the same way.
struct Placement {
    const char* name;
    int programCpu; // -1: anywhere
    int deviceCpu;
};

inline void RunOn(int cpu) {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (cpu < 0) {
        for (int c = 0; c < CPU_SETSIZE; ++c)
            CPU_SET(c, &set);
    } else {
        CPU_SET(cpu, &set);
    }
    sched_setaffinity(0, sizeof set, &set);
}

// Starts device processes on the device's CPU (children keep it), and goes
// back to the program's CPU when it ends.
class CDeviceCpu {
  public:
    CDeviceCpu(const Placement& placement) : programCpu(placement.programCpu) { RunOn(placement.deviceCpu); }
    ~CDeviceCpu() { RunOn(programCpu); }
    CDeviceCpu(const CDeviceCpu&) = delete;
    CDeviceCpu& operator=(const CDeviceCpu&) = delete;

  private:
    int programCpu;
};

} // namespace bench
