#include "link/transport.h"

#include "platform/monotonic_clock.h"

namespace qbx {

void CTransport::Pause(int milliseconds) {
    SleepMilliseconds(milliseconds);
}

} // namespace qbx
