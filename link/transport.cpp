#include "link/transport.h"

namespace qbx {

void CTransport::Pause(int milliseconds) {
    SleepCallingHook(milliseconds, waitHook);
}

} // namespace qbx
