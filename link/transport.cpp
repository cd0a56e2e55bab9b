#include "link/transport.h"

namespace qbx {

void CTransport::Pause(int milliseconds) {
    SleepCallingHook(milliseconds, waitHook);
}

int CTransport::WriteAfterHeld(const std::uint8_t* data, int len, bool& heldWritten) {
    const int heldLength = static_cast<int>(held.size());
    heldWritten = true;
    if (heldLength == 0) return Write(data, len);
    outgoing.assign(held.begin(), held.end());
    outgoing.insert(outgoing.end(), data, data + len);
    held.clear();
    const int written = Write(outgoing.data(), heldLength + len);
    heldWritten = written >= heldLength;
    return heldWritten ? written - heldLength : -1;
}

bool CTransport::FlushHeld() {
    if (held.empty()) return true;
    bool heldWritten = true;
    (void)WriteAfterHeld(nullptr, 0, heldWritten);
    return heldWritten;
}

} // namespace qbx
