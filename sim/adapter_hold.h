#pragma once
#include <cstddef>
#include <cstdint>

// The receive buffer of a USB serial adapter (FTDI and alike): it passes
// what came off the wire to the PC only when its latency timer has run out
// since the first byte it holds, or when a USB packet's worth is held.
// Times are microseconds on the monotonic clock.
namespace qbx::sim {

class CAdapterHold {
  public:
    // A 64-byte USB packet less the adapter's two status bytes.
    static constexpr std::size_t kPacketBytes = 62;

    struct Release {
        std::size_t count = 0; // the first `count` held bytes leave, 0 for none
        std::int64_t atUs = 0;
    };

    // 0 ms: every byte leaves as it comes off the wire.
    explicit CAdapterHold(int latencyMs = 0) : latencyUs(static_cast<std::int64_t>(latencyMs) * 1000) {}
    bool Enabled() const { return latencyUs > 0; }

    // Holds a byte that came off the wire at `arrivalUs` (never earlier than
    // the one before). Returns what leaves because of it: the bytes held
    // before it when their timer ran out first, or all held bytes with it
    // when it fills a packet.
    Release Take(std::int64_t arrivalUs);
    // What is still held leaves when its timer runs out.
    Release Drain();
    std::size_t Held() const { return held; }
    // Forgets what is held (a new connection).
    void Clear() { held = 0; }

  private:
    std::int64_t latencyUs;
    std::int64_t firstUs = 0;
    std::size_t held = 0;
};

} // namespace qbx::sim
