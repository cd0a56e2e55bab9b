#pragma once
#include <cstdint>

namespace qbx {

// Time that only moves forward, unaffected by changes of the wall clock; the
// link's deadlines and trace stamps use it.
std::int64_t MonotonicMicroseconds();
std::int64_t MonotonicMilliseconds();

// Blocks the calling thread for at least `milliseconds` (0 or less returns at
// once), resuming after signals.
void SleepMilliseconds(int milliseconds);

// A point `milliseconds` from now; Remaining() counts down to 0, never below.
class CDeadline {
  public:
    explicit CDeadline(int milliseconds);
    int RemainingMilliseconds() const;
    bool Expired() const { return RemainingMilliseconds() == 0; }

  private:
    std::int64_t endMicroseconds;
};

} // namespace qbx
