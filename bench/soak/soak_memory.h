#pragma once
#include "bench/soak/soak_files.h"
#include "bench/soak/soak_plan.h"
#include "sim/device_state.h"

#include <string>

// The part of the simulated device's memory that a transfer reads or
// replaces, taken from its state file.
namespace soak {

struct Memory {
    bool present = false; // an update image or web page received; a slot or image with data
    std::uint32_t size = 0;
    Bytes bytes;
    bool operator==(const Memory&) const = default;
};

Memory MemoryOf(const qbx::sim::CDeviceState& state, Kind kind);

// The device's state file; false when it is not (yet) readable.
bool LoadDevice(const std::string& stateFile, qbx::sim::CDeviceState& state);

// What the device should hold after the transfer sent `sent`: the bytes
// as sent, with the block the device left out erased, and for a flipped
// store the one byte inverted when `flipped`.
Memory ExpectedAfter(const TransferPlan& plan, const Bytes& sent, bool flipped);

// True when `memory` holds what ExpectedAfter says; sizes and every byte.
bool Holds(const Memory& memory, const Memory& expected);

} // namespace soak
