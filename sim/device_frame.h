#pragma once
#include <array>
#include <cstdint>

#include "sim/wire_bytes.h"

// Frame rules as the bootloader sees them: 8 bytes, kind, 0x10, code, four
// parameter bytes, 8-bit sum of the first seven.
namespace qbx::sim {

constexpr std::size_t kFrameSize = 8;
constexpr std::uint8_t kFrameMark = 0x10; // byte 1 of every frame

// Frame kinds (byte 0).
constexpr std::uint8_t kKindBusy = 0x00;
constexpr std::uint8_t kKindRequest = 0x20;
constexpr std::uint8_t kKindAnswer = 0x40;
constexpr std::uint8_t kKindEnd = 0x60;
constexpr std::uint8_t kKindRefusal = 0x80;
constexpr std::uint8_t kKindError = 0xA0;

// Single bytes outside frames.
constexpr std::uint8_t kAck0 = 0x21; // '!'
constexpr std::uint8_t kAck1 = 0x43; // 'C'
constexpr std::uint8_t kNak0 = 0x00;
constexpr std::uint8_t kNak1 = 0xFF;
constexpr std::uint8_t kModeQuery = 0x21;  // '!' on its own
constexpr std::uint8_t kModeSwitch = 0x22; // followed by the wanted mode

// Operating modes (answer to the mode query).
constexpr std::uint8_t kModeTransfer = 0xC0; // the mode transfers need
constexpr std::uint8_t kModeOther = 0x80;

// Command codes (byte 2 of a request).
constexpr std::uint8_t kCmdIdentify = 0x18;
constexpr std::uint8_t kCmdReadConfigByte = 0x31;
constexpr std::uint8_t kCmdWriteConfigByte = 0x32;
constexpr std::uint8_t kCmdReadNetworkSettings = 0x33;
constexpr std::uint8_t kCmdWriteNetworkSettings = 0x34;
constexpr std::uint8_t kCmdClearSlot = 0x39;
constexpr std::uint8_t kCmdSelectSlot = 0x40;
constexpr std::uint8_t kCmdReadSlotHeader = 0x41;
constexpr std::uint8_t kCmdWriteSlotHeader = 0x42;
constexpr std::uint8_t kCmdReadDeviceHeader = 0x43;
constexpr std::uint8_t kCmdWriteDeviceHeader = 0x44;
constexpr std::uint8_t kCmdWriteShortHeader = 0x46;
constexpr std::uint8_t kCmdSlotUpload = 0x2F;     // PC into the selected slot; the device asks for blocks
constexpr std::uint8_t kCmdSlotDownload = 0xF2;   // selected slot to the PC; the program asks for blocks
constexpr std::uint8_t kCmdOsImage = 0x1F;        // OS update: single image or program image
constexpr std::uint8_t kCmdOsBootSector = 0x1E;   // OS update: boot-sector update image
constexpr std::uint8_t kCmdFirmwareUpdate = 0x3F; // the bootloader's own firmware
constexpr std::uint8_t kCmdBootDataWrite = 0x4F; // LINKBOX data image from the PC; the device asks for blocks
constexpr std::uint8_t kCmdBootDataRead = 0xF4;  // LINKBOX data image to the PC; the program asks for blocks
constexpr std::uint8_t kCmdWebPageUpload = 0x5F; // LINKBOX: an HTML page or a GIF picture from the PC
constexpr std::uint8_t kCodeNoData = 0x5A;       // answer code: the program has no data for the block

// Data-phase frames: bytes 3 to 5 a 24-bit address (LSB first), byte 6 a count.
constexpr std::size_t kFrameAddressAt = 3;
constexpr std::size_t kFrameCountAt = 6;
constexpr std::size_t kFrameSumAt = 7;
constexpr std::uint8_t kMaxBlockCount = 255;

// Device kinds (identification type byte).
constexpr std::uint8_t kDeviceSerial = 0xA2;
constexpr std::uint8_t kDeviceLinkbox = 0xA3;
constexpr std::uint8_t kDeviceModalA8 = 0xA8;
constexpr std::uint8_t kDeviceModalD1 = 0xD1;

using CFrame = std::array<std::uint8_t, kFrameSize>;

// A frame with its sum filled in.
inline CFrame MakeFrame(std::uint8_t kind, std::uint8_t code, std::uint8_t p3 = 0, std::uint8_t p4 = 0,
                        std::uint8_t p5 = 0, std::uint8_t p6 = 0) {
    CFrame frame{kind, kFrameMark, code, p3, p4, p5, p6, 0};
    frame[kFrameSumAt] = Sum8(frame.data(), kFrameSumAt);
    return frame;
}

// A data-phase frame for `count` bytes at `address`.
inline CFrame MakeBlockFrame(std::uint8_t kind, std::uint8_t code, std::uint32_t address,
                             std::uint8_t count) {
    CFrame frame{kind, kFrameMark, code, 0, 0, 0, count, 0};
    PutLe24(frame.data() + kFrameAddressAt, address);
    frame[kFrameSumAt] = Sum8(frame.data(), kFrameSumAt);
    return frame;
}

inline std::uint32_t FrameAddress(const CFrame& frame) {
    return GetLe24(frame.data() + kFrameAddressAt);
}

inline bool FrameSumOk(const CFrame& frame) {
    return Sum8(frame.data(), kFrameSumAt) == frame[kFrameSumAt];
}

inline CBytes ToBytes(const CFrame& frame) {
    return CBytes(frame.begin(), frame.end());
}

} // namespace qbx::sim
