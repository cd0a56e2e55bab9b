#include "operations/scan_texts.h"

#include "link/protocol_constants.h"

#include <cstdio>

namespace qbx {
namespace {

// Bootloaders that answer from their update code instead of their firmware.
constexpr std::uint8_t kUpdateStateA = 0x11;
constexpr std::uint8_t kUpdateStateB = 0x12;

bool IsUpdateState(const BootloaderId& id) {
    return id.rawType == kUpdateStateA || id.rawType == kUpdateStateB ||
           (id.rawType == device::kNetworkFamily && id.version == 0);
}

std::string Hex(std::uint8_t type) {
    char text[8];
    std::snprintf(text, sizeof text, "%X", type);
    return text;
}

std::string Hundredths(std::uint8_t version) {
    char text[16];
    std::snprintf(text, sizeof text, "%03.02f", version / 100.0);
    return text;
}

std::string Tenths(std::uint8_t version) {
    char text[16];
    std::snprintf(text, sizeof text, "%02.01f", version / 10.0);
    return text;
}

} // namespace

std::string ErrorStatusText(int error) {
    return "E.N.: " + std::to_string(error);
}

bool ScanDeviceTexts(const BootloaderId& id, ProbeTexts& texts) {
    switch (id.rawType) {
    case device::kSerialFamily:
    case device::kNetworkFamily:
    case device::kModeSwitchingA:
    case device::kModeSwitchingB:
    case kUpdateStateA:
    case kUpdateStateB:
        break;
    default:
        return false;
    }
    if (IsUpdateState(id)) {
        texts = {"FU", "0.0", kStatusUpdateState};
        return true;
    }
    std::string version = id.family == device::kNetworkFamily ? Hundredths(id.version) : Tenths(id.version);
    texts = {Hex(id.rawType), version, kStatusDevice};
    return true;
}

bool TcpDeviceTexts(const BootloaderId& id, ProbeTexts& texts) {
    if (id.rawType != device::kNetworkFamily && id.rawType != device::kModeSwitchingA &&
        id.rawType != device::kModeSwitchingB) {
        return false;
    }
    if (IsUpdateState(id)) {
        texts = {"FU", "0.00", kStatusUpdateState};
        return true;
    }
    texts = {Hex(id.rawType), Hundredths(id.version), kStatusDevice};
    return true;
}

} // namespace qbx
