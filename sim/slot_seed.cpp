#include "sim/slot_seed.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "sim/device_text.h"

namespace qbx::sim {

namespace {

constexpr unsigned long kMaxSize = 0xFFFFFF;

void CopyText(const std::string& text, std::uint8_t* field, std::size_t width) {
    std::fill(field, field + width, 0);
    std::copy_n(text.begin(), std::min(text.size(), width), field);
}

} // namespace

bool ParseNumber(const std::string& text, unsigned long max, unsigned long& value) {
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoul(text.c_str(), &end, text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0 ? 16 : 10);
    return errno == 0 && *end == '\0' && value <= max;
}

namespace {

// The size after the last ':' when that is a number; the rest is the text.
void SplitSize(CSlotSeed& seed, unsigned long max) {
    const std::size_t colon = seed.description.rfind(':');
    unsigned long size = 0;
    if (colon != std::string::npos && ParseNumber(seed.description.substr(colon + 1), max, size)) {
        seed.size = static_cast<std::uint32_t>(size);
        seed.description.resize(colon);
    }
}

void FillHeader(CHeaderRecord& header, std::uint8_t kind, const CSlotSeed& seed) {
    header = CHeaderRecord{};
    header.status = kStatusHasData;
    header.kind = kind;
    CopyText(kSeedTextA, header.textA.data(), header.textA.size());
    CopyText(kSeedTextB, header.textB.data(), header.textB.size());
    header.size = seed.size;
    const CBytes description = DeviceTextFromUtf8(seed.description);
    std::copy_n(description.begin(), std::min(description.size(), kDescriptionSize),
                header.description.begin());
}

} // namespace

bool ParseBootDataSeed(const std::string& text, CSlotSeed& seed) {
    seed.number = 0;
    seed.description = text;
    seed.size = kDefaultBootDataSize;
    SplitSize(seed, 0xFFFF);
    return true;
}

void SeedBootData(CDeviceState& state, const CSlotSeed& seed) {
    FillHeader(state.deviceHeader, kBootDataKind, seed);
    state.deviceImage.resize(seed.size);
    for (std::size_t i = 0; i < state.deviceImage.size(); ++i)
        state.deviceImage[i] = static_cast<std::uint8_t>((i * 13 + (i >> 8) + 5) & 0xFF);
}

bool ParseSlotSeed(const std::string& text, CSlotSeed& seed) {
    const std::size_t equals = text.find('=');
    unsigned long number = 0;
    if (equals == std::string::npos || !ParseNumber(text.substr(0, equals), kSlotCount, number) ||
        !CDeviceState::IsSlotNumber(static_cast<int>(number)))
        return false;
    seed.number = static_cast<int>(number);
    seed.description = text.substr(equals + 1);
    seed.size = kDefaultSeedSize;
    SplitSize(seed, kMaxSize);
    return true;
}

void SeedSlot(CDeviceState& state, const CSlotSeed& seed) {
    CSlot& slot = state.Slot(seed.number);
    FillHeader(slot.header, kSeedKind, seed);
    slot.data.resize(seed.size);
    for (std::size_t i = 0; i < slot.data.size(); ++i)
        slot.data[i] = static_cast<std::uint8_t>((i * 7 + static_cast<std::size_t>(seed.number) * 31) & 0xFF);
}

} // namespace qbx::sim
