#pragma once

namespace qbx {

// SIGINT and SIGTERM, once watched, no longer end qbx at once: the signal is
// noted, and the transfer ends at its next step, where it can say what it
// leaves on the device.
void StartInterruptWatch();
// The signal that arrived since, or 0.
int InterruptSignal();

} // namespace qbx
