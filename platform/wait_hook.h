#pragma once
#include "platform/monotonic_clock.h"

#include <functional>
#include <poll.h>

namespace qbx {

// Called between slices of a blocking wait of the link (connect, read,
// write, pause), so that a window can keep painting while a device is slow
// or silent. Empty: each wait is one system call, as fast as before.
using WaitHook = std::function<void()>;

// The longest slice of a wait between two calls of the hook, a little under
// the 50 ms after which a window looks frozen.
inline constexpr int kWaitSliceMs = 40;

// poll() on one descriptor until it reports, `deadline` runs out (null:
// without limit) or a non-signal error strikes; calls `hook` between slices.
// Returns what poll returns: > 0 ready, 0 timed out, -1 failed with errno.
int PollCallingHook(pollfd& entry, const CDeadline* deadline, const WaitHook& hook);

// Sleeps `milliseconds`, calling `hook` between slices when there is one.
void SleepCallingHook(int milliseconds, const WaitHook& hook);

} // namespace qbx
