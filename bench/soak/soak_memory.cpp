#include "bench/soak/soak_memory.h"

#include "link/protocol_constants.h"
#include "sim/state_file.h"

#include <algorithm>

namespace soak {
namespace {

constexpr int kSlotIndex = 1; // slot 2, the one every slot transfer uses

Memory Stored(const qbx::sim::CHeaderRecord& header, const Bytes& data) {
    const bool hasData = header.status == qbx::sim::kStatusHasData;
    return {hasData, hasData ? header.size : 0, data};
}

Memory Received(const std::map<std::uint8_t, Bytes>& images, std::uint8_t key) {
    const auto found = images.find(key);
    if (found == images.end()) return {};
    return {true, static_cast<std::uint32_t>(found->second.size()), found->second};
}

} // namespace

Memory MemoryOf(const qbx::sim::CDeviceState& state, Kind kind) {
    switch (kind) {
    case Kind::SlotDownload:
    case Kind::SlotUpload:
        return Stored(state.slots[kSlotIndex].header, state.slots[kSlotIndex].data);
    case Kind::BootDataRead:
    case Kind::BootDataWrite:
        return Stored(state.deviceHeader, state.deviceImage);
    case Kind::OsUpdate:
        return Received(state.images, qbx::command::kOsImage);
    case Kind::FirmwareSerial:
    case Kind::FirmwareLinkbox:
        return Received(state.images, qbx::command::kFirmwareUpdate);
    case Kind::WebPage:
        return Received(state.pages, qbx::sim::kWebPageHtml);
    }
    return {};
}

bool LoadDevice(const std::string& stateFile, qbx::sim::CDeviceState& state) {
    state = {};
    int badLine = 0;
    return qbx::sim::LoadStateFile(stateFile, state, badLine) == qbx::sim::kStateLoaded;
}

Memory ExpectedAfter(const TransferPlan& plan, const Bytes& sent, bool flipped) {
    Memory expected{true, static_cast<std::uint32_t>(sent.size()), sent};
    std::fill(expected.bytes.begin() + plan.skipFrom, expected.bytes.begin() + plan.skipTo, 0xFF);
    if (flipped && plan.flipAt >= 0 && static_cast<std::size_t>(plan.flipAt) < sent.size())
        expected.bytes[plan.flipAt] = static_cast<std::uint8_t>(~expected.bytes[plan.flipAt]);
    return expected;
}

bool Holds(const Memory& memory, const Memory& expected) {
    if (memory.present != expected.present || memory.size != expected.size) return false;
    // Received images and pages are exactly as long as what came; a slot
    // or data image may keep erased bytes past its size.
    return MemoryHolds(memory.bytes, expected.bytes) && memory.bytes.size() >= expected.bytes.size();
}

} // namespace soak
