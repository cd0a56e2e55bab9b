#pragma once
#include <cstddef>
#include <cstdint>

// The pace of a serial line at a given baud rate, 8N1: ten bit times per
// byte. Times are microseconds on the monotonic clock.
namespace qbx::sim {

class CLinePacer {
  public:
    static constexpr std::int64_t kBitsPerByte = 10;

    explicit CLinePacer(std::uint32_t baudRate = 0) : baud(baudRate) {}
    bool Enabled() const { return baud > 0; }
    std::uint32_t Baud() const { return baud; }
    // How many bytes the line carries in `us` microseconds (at least 1).
    std::size_t BytesIn(std::int64_t us) const;

    // Books the line for `length` bytes handed over at `nowUs`; returns the
    // moment the first of them starts, after anything booked before.
    std::int64_t Reserve(std::size_t length, std::int64_t nowUs);
    // When byte `index` of a booking that started at `startUs` has left.
    std::int64_t DoneAt(std::int64_t startUs, std::size_t index) const;
    // How many of `length` bytes starting at `startUs` have left by `nowUs`.
    std::size_t DoneBy(std::int64_t startUs, std::int64_t nowUs, std::size_t length) const;

  private:
    std::uint32_t baud;
    std::int64_t lineFreeUs = 0;
};

} // namespace qbx::sim
