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

bool ParseSlotSeed(const std::string& text, CSlotSeed& seed) {
    const std::size_t equals = text.find('=');
    unsigned long number = 0;
    if (equals == std::string::npos || !ParseNumber(text.substr(0, equals), kSlotCount, number) ||
        !CDeviceState::IsSlotNumber(static_cast<int>(number)))
        return false;
    seed.number = static_cast<int>(number);
    seed.description = text.substr(equals + 1);
    seed.size = kDefaultSeedSize;
    const std::size_t colon = seed.description.rfind(':');
    unsigned long size = 0;
    if (colon != std::string::npos && ParseNumber(seed.description.substr(colon + 1), kMaxSize, size)) {
        seed.size = static_cast<std::uint32_t>(size);
        seed.description.resize(colon);
    }
    return true;
}

void SeedSlot(CDeviceState& state, const CSlotSeed& seed) {
    CSlot& slot = state.Slot(seed.number);
    slot.header = CHeaderRecord{};
    slot.header.status = kStatusHasData;
    slot.header.kind = kSeedKind;
    CopyText(kSeedTextA, slot.header.textA.data(), slot.header.textA.size());
    CopyText(kSeedTextB, slot.header.textB.data(), slot.header.textB.size());
    slot.header.size = seed.size;
    const CBytes description = DeviceTextFromUtf8(seed.description);
    std::copy_n(description.begin(), std::min(description.size(), kDescriptionSize),
                slot.header.description.begin());
    slot.data.resize(seed.size);
    for (std::size_t i = 0; i < slot.data.size(); ++i)
        slot.data[i] = static_cast<std::uint8_t>((i * 7 + static_cast<std::size_t>(seed.number) * 31) & 0xFF);
}

} // namespace qbx::sim
