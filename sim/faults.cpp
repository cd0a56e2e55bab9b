#include "sim/faults.h"

#include "sim/device_state.h"

namespace qbx::sim {

bool CFaultPlan::Take(int& counter) {
    if (counter <= 0) return false;
    --counter;
    return true;
}

bool CFaultPlan::TakeBusy(int frameNumber) {
    const auto due = busyBefore.find(frameNumber);
    if (due == busyBefore.end() || !Take(due->second)) return false;
    if (due->second == 0) busyBefore.erase(due);
    return true;
}

std::optional<std::uint8_t> CFaultPlan::TakeDeviceError(int blockNumber) {
    if (!deviceError || deviceError->block != blockNumber) return std::nullopt;
    const std::uint8_t code = deviceError->code;
    deviceError.reset();
    return code;
}

std::optional<CExtraRequest> CFaultPlan::TakeExtraRequest(int frameNumber) {
    const auto due = extraRequests.find(frameNumber);
    if (due == extraRequests.end()) return std::nullopt;
    const CExtraRequest extra = due->second;
    extraRequests.erase(due);
    return extra;
}

std::optional<std::size_t> CFaultPlan::TakeShape(std::map<std::uint8_t, CReplyShape>& shapes,
                                                 std::uint8_t code) {
    const auto due = shapes.find(code);
    if (due == shapes.end() || !Take(due->second.times)) return std::nullopt;
    const std::size_t bytes = due->second.bytes;
    if (due->second.times == 0) shapes.erase(due);
    return bytes;
}

void CFaultPlan::Stored(CHeaderRecord& kept) {
    if (flipStoredHeader && *flipStoredHeader < kHeaderSize) {
        std::uint8_t record[kHeaderSize];
        kept.Encode(record);
        record[*flipStoredHeader] = static_cast<std::uint8_t>(~record[*flipStoredHeader]);
        kept = CHeaderRecord::Decode(record);
    }
    flipStoredHeader.reset();
    cutDue = cutDue || cutAfterStore;
    cutAfterStore = false;
}

bool CFaultPlan::TakeDrop() {
    if (cutDue) {
        cutDue = false;
        return true;
    }
    if (dropAfter < 0) return false;
    if (served < dropAfter) {
        ++served;
        return false;
    }
    dropAfter = -1;
    return true;
}

} // namespace qbx::sim
