#pragma once
#include <string>

namespace qbx {

inline constexpr int kNoLatencyTimer = -1;

// Where the kernel's device tree is: QUILLBOX_SYSFS when set and not empty
// (a test's fake tree), else /sys.
std::string SysfsRoot();

// The latency timer in milliseconds of the USB serial adapter behind
// `devicePath` (links followed), as the driver shows it in
// <sysfsRoot>/class/tty/<name>/device/latency_timer; kNoLatencyTimer where
// there is none (no USB adapter, or a driver without such a timer).
int AdapterLatencyTimer(const std::string& devicePath, const std::string& sysfsRoot);

} // namespace qbx
