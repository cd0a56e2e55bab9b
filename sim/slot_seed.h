#pragma once
#include <cstdint>
#include <string>

#include "sim/device_state.h"

// Slots filled from the command line, for demonstrations and tests.
namespace qbx::sim {

constexpr std::uint32_t kDefaultSeedSize = 0x8000;
constexpr std::uint8_t kSeedKind = 0x80; // the controller's device code
constexpr const char* kSeedTextA = "SIM-FW";
constexpr const char* kSeedTextB = "SIM-BS";

struct CSlotSeed {
    int number = 0;
    std::string description; // UTF-8 as typed
    std::uint32_t size = kDefaultSeedSize;
};

// "N=DESCRIPTION[:SIZE]": SIZE (decimal or 0x hex, below 2^24) is taken from
// after the last ':' when that is a number, so a description may hold ':'.
bool ParseSlotSeed(const std::string& text, CSlotSeed& seed);

// Gives the slot a header (status 1, kind 0x80, texts "SIM-FW"/"SIM-BS") and
// `size` bytes of a pattern that differs from slot to slot.
void SeedSlot(CDeviceState& state, const CSlotSeed& seed);

// The LINKBOX's data image: "DESCRIPTION[:SIZE]" as for a slot, SIZE at
// most 0xFFFF (default kDefaultBootDataSize).
constexpr std::uint32_t kDefaultBootDataSize = 0x400;
constexpr std::uint8_t kBootDataKind = 0xA3; // the LINKBOX's own device code
bool ParseBootDataSeed(const std::string& text, CSlotSeed& seed);
// Device header (status 1, kind 0xA3, the seed texts) and a pattern of its own.
void SeedBootData(CDeviceState& state, const CSlotSeed& seed);

// Decimal or 0x-prefixed hexadecimal, at most `max`.
bool ParseNumber(const std::string& text, unsigned long max, unsigned long& value);

} // namespace qbx::sim
