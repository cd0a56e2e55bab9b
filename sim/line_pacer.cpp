#include "sim/line_pacer.h"

#include <algorithm>

namespace qbx::sim {

namespace {

constexpr std::int64_t kMicrosPerSecond = 1000000;

} // namespace

std::int64_t CLinePacer::Reserve(std::size_t length, std::int64_t nowUs) {
    if (!Enabled()) return nowUs;
    const std::int64_t start = std::max(nowUs, lineFreeUs);
    if (length > 0) lineFreeUs = DoneAt(start, length - 1);
    return start;
}

// Computed from the start of the booking, not byte by byte, so rounding
// never accumulates over a long reply.
std::int64_t CLinePacer::DoneAt(std::int64_t startUs, std::size_t index) const {
    if (!Enabled()) return startUs;
    const std::int64_t bits = static_cast<std::int64_t>(index + 1) * kBitsPerByte * kMicrosPerSecond;
    return startUs + (bits + baud - 1) / baud;
}

std::size_t CLinePacer::BytesIn(std::int64_t us) const {
    const std::int64_t bytes = us * baud / (kBitsPerByte * kMicrosPerSecond);
    return static_cast<std::size_t>(std::max<std::int64_t>(bytes, 1));
}

std::size_t CLinePacer::DoneBy(std::int64_t startUs, std::int64_t nowUs, std::size_t length) const {
    if (!Enabled()) return length;
    if (nowUs <= startUs) return 0;
    const std::int64_t done = (nowUs - startUs) * baud / (kBitsPerByte * kMicrosPerSecond);
    return static_cast<std::size_t>(std::min<std::int64_t>(done, static_cast<std::int64_t>(length)));
}

} // namespace qbx::sim
