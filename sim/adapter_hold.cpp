#include "sim/adapter_hold.h"

namespace qbx::sim {

CAdapterHold::Release CAdapterHold::Take(std::int64_t arrivalUs) {
    if (!Enabled()) return {1, arrivalUs};
    Release release;
    if (held > 0 && arrivalUs >= firstUs + latencyUs) release = Drain();
    if (held == 0) firstUs = arrivalUs;
    if (++held == kPacketBytes) {
        release = {held, arrivalUs};
        held = 0;
    }
    return release;
}

CAdapterHold::Release CAdapterHold::Drain() {
    if (held == 0) return {};
    Release release{held, firstUs + latencyUs};
    held = 0;
    return release;
}

} // namespace qbx::sim
