#pragma once
#include <cstdint>
#include <optional>

// Faults the simulated device injects on demand. Counters run down as they
// are used and stay spent across connections, so "the next N" means the
// next N of the whole run.
namespace qbx::sim {

struct CIdentity {
    std::uint8_t type = 0;
    std::uint8_t version = 0;
};

class CFaultPlan {
  public:
    int busyFrames = 0;                // busy frames a data phase sends before its next requests
    int badSums = 0;                   // checksummed answers sent with a wrong sum
    int silentRequests = 0;            // requests swallowed without an answer
    int wrongAcks = 0;                 // acknowledgements replaced by other bytes
    int dropAfter = -1;                // requests served before the line is cut; -1 = never
    bool refuseSwitch = false;         // mode switch answered with a refusal
    std::optional<CIdentity> identity; // identification answered with these instead

    // Each Take* reports whether the fault strikes now and uses it up.
    bool TakeBusy() { return Take(busyFrames); }
    bool TakeBadSum() { return Take(badSums); }
    bool TakeSilence() { return Take(silentRequests); }
    bool TakeWrongAck() { return Take(wrongAcks); }
    // Counts one arriving request; true when the line must be cut instead of
    // serving it. Strikes once.
    bool TakeDrop();

  private:
    static bool Take(int& counter);
    int served = 0;
};

} // namespace qbx::sim
