#pragma once
#include "core/device_families.h"

#include <cstdint>

// The bootloader protocol's fixed numbers, named once. Everything that builds
// or checks a frame uses these names.
namespace qbx {

namespace frame {
inline constexpr int kSize = 8;               // kind, marker, code, 4 parameters, sum
inline constexpr int kBodySize = 7;           // a frame without its sum
inline constexpr std::uint8_t kMarker = 0x10; // byte 1 of every frame

// Byte 0: the frame kind.
inline constexpr std::uint8_t kRequest = 0x20;
inline constexpr std::uint8_t kAnswer = 0x40;
inline constexpr std::uint8_t kEnd = 0x60;
inline constexpr std::uint8_t kRefusal = 0x80;
inline constexpr std::uint8_t kError = 0xA0; // error code in byte 2
inline constexpr std::uint8_t kBusy = 0x00;

// Positions inside a frame.
inline constexpr int kKindAt = 0;
inline constexpr int kMarkerAt = 1;
inline constexpr int kCodeAt = 2;
inline constexpr int kParameterAt = 3; // first parameter; 24-bit address in 3..5
inline constexpr int kCountAt = 6;     // byte count in the data phases
inline constexpr int kSumAt = 7;

// Acknowledgements, two bytes each.
inline constexpr int kAckSize = 2;
inline constexpr std::uint8_t kAck[kAckSize] = {0x21, 0x43}; // "!C"
inline constexpr std::uint8_t kNak[kAckSize] = {0x00, 0xFF};
} // namespace frame

// Byte 2 of a request: the command code.
namespace command {
inline constexpr std::uint8_t kIdentify = 0x18;
inline constexpr std::uint8_t kReadConfigByte = 0x31;
inline constexpr std::uint8_t kWriteConfigByte = 0x32;
inline constexpr std::uint8_t kReadNetworkSettings = 0x33;
inline constexpr std::uint8_t kWriteNetworkSettings = 0x34;
inline constexpr std::uint8_t kClearSlot = 0x39;
inline constexpr std::uint8_t kSelectSlot = 0x40;
inline constexpr std::uint8_t kReadSlotHeader = 0x41;
inline constexpr std::uint8_t kWriteSlotHeader = 0x42;
inline constexpr std::uint8_t kReadDeviceHeader = 0x43;
inline constexpr std::uint8_t kWriteDeviceHeader = 0x44;
inline constexpr std::uint8_t kWriteShortHeader = 0x46;

// Start codes of the data phases; their sequences live with each transfer.
inline constexpr std::uint8_t kSlotUpload = 0x2F;     // PC into a slot
inline constexpr std::uint8_t kSlotDownload = 0xF2;   // a slot to the PC, block by block
inline constexpr std::uint8_t kOsImage = 0x1F;        // single image or program image
inline constexpr std::uint8_t kOsBootSector = 0x1E;   // boot-sector update image
inline constexpr std::uint8_t kFirmwareUpdate = 0x3F; // the bootloader's own firmware
inline constexpr std::uint8_t kWebPageUpload = 0x5F;
inline constexpr std::uint8_t kBootDataWrite = 0x4F; // the LINKBOX's data image, PC to device
inline constexpr std::uint8_t kBootDataRead = 0xF4;  // the same image, device to PC
inline constexpr std::uint8_t kNoData = 0x5A;        // answer code: no data for that block
inline constexpr int kMaxDownloadBlock = 64;
} // namespace command

// The two bare mode exchanges (no frame, no sum).
namespace opmode {
inline constexpr std::uint8_t kQuery = 0x21;    // "!"
inline constexpr std::uint8_t kSwitch = 0x22;   // followed by the wanted mode
inline constexpr std::uint8_t kTransfer = 0xC0; // the mode transfers need
inline constexpr std::uint8_t kOther = 0x80;
} // namespace opmode

// The identification answer; its type codes are the families of
// core/device_families.h.
namespace device {
inline constexpr std::uint8_t kMinSerialVersion = 26;   // tenths: 2.6
inline constexpr std::uint8_t kMinNetworkVersion = 128; // hundredths: 1.28
inline constexpr int kAnswerSize = 5;                   // identification answer
inline constexpr int kAnswerMinimum = 4;                // type in byte 2, version in byte 3
inline constexpr int kTypeAt = 2;
inline constexpr int kVersionAt = 3;
} // namespace device

// Attempts per command and the fixed pauses of the exchanges.
namespace exchange {
inline constexpr int kSerialAttempts = 5;
inline constexpr int kNetworkAttempts = 1;
inline constexpr int kIdentifyPauseMs = 50;
inline constexpr int kModeSwitchPauseMs = 2000;
inline constexpr std::uint32_t kBaudRate = 115200;
} // namespace exchange

// Record sizes on the wire.
namespace record {
inline constexpr int kHeaderSize = 53;
inline constexpr int kShortHeaderSize = 21;
inline constexpr int kShortTextSize = 8;
inline constexpr int kDescriptionSize = 32;
inline constexpr int kNetworkSettingsSize = 17;
inline constexpr int kConfigDataSize = 4;
inline constexpr std::uint8_t kStatusHasData = 1;
} // namespace record

} // namespace qbx
