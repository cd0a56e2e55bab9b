#pragma once
#include <cstdint>

#include "sim/device_frame.h"
#include "sim/faults.h"

// Which bootloader the simulator plays: fixed for a run by the command line.
namespace qbx::sim {

constexpr std::uint8_t kDefaultUploadBlock = 64;
constexpr std::uint32_t kDefaultFirmwareSize = 0x10000;

struct CDeviceProfile {
    std::uint8_t kind = kDeviceSerial;
    std::uint8_t version = 30;
    std::uint8_t uploadBlock = kDefaultUploadBlock; // bytes the device asks for per request in an upload
    // The update data phases ask in blocks of uploadBlock bytes too.
    std::uint32_t osImageSize = 0; // 0: the size of the last short header
    std::uint32_t firmwareSize = kDefaultFirmwareSize;
    int askAgainAfter = 0; // the block of this request (1 = the first) is asked once more; 0 = never
    int skipAfter = 0;     // the block after this request is left out; 0 = never

    static bool IsKnownKind(std::uint8_t kind) {
        return kind == kDeviceSerial || kind == kDeviceLinkbox || kind == kDeviceModalA8 ||
               kind == kDeviceModalD1;
    }
    // Versions that the program accepts: 2.6 and up for the serial family
    // (tenths), 1.28 and up for the LINKBOX (hundredths).
    static std::uint8_t DefaultVersion(std::uint8_t kind) { return kind == kDeviceLinkbox ? 130 : 30; }
    // The mode-switching kinds come up outside the transfer mode.
    static std::uint8_t DefaultMode(std::uint8_t kind) {
        return SwitchesIdentity(kind) ? kModeOther : kModeTransfer;
    }
    static bool SwitchesIdentity(std::uint8_t kind) {
        return kind == kDeviceModalA8 || kind == kDeviceModalD1;
    }

    bool HasNetworkSettings() const { return kind == kDeviceLinkbox; }
    bool HasDataImage() const { return kind == kDeviceLinkbox; }
    // Once in the transfer mode, the mode-switching kinds identify as the
    // plain serial bootloader.
    CIdentity Identity(std::uint8_t mode) const {
        const bool switched = SwitchesIdentity(kind) && mode == kModeTransfer;
        return {switched ? kDeviceSerial : kind, version};
    }
};

} // namespace qbx::sim
