#pragma once
#include <cstddef>
#include <cstdint>

namespace soak {

// SplitMix64: the same numbers from the same seed on every library and
// machine, which the standard distributions do not promise. Each transfer
// gets a stream of its own from the run's seed and its index.
class CRandom {
  public:
    CRandom(std::uint64_t seed, long index)
        : state(seed ^ (static_cast<std::uint64_t>(index) * 0xD1B54A32D192ED03ull)) {}

    std::uint64_t Next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1; n > 0. The bias of the modulo is far below what matters here.
    std::uint32_t Below(std::size_t n) { return static_cast<std::uint32_t>(Next() % n); }
    // lo .. hi, both included.
    int Between(int lo, int hi) {
        return lo + static_cast<int>(Below(static_cast<std::size_t>(hi - lo + 1)));
    }

  private:
    std::uint64_t state;
};

} // namespace soak
