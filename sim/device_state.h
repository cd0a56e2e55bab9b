#pragma once
#include <array>
#include <cstdint>
#include <map>

#include "sim/device_frame.h"
#include "sim/wire_bytes.h"

// Everything the emulated bootloader keeps in its memory.
namespace qbx::sim {

constexpr int kSlotCount = 7;
constexpr std::size_t kTextFieldSize = 8;
constexpr std::size_t kDescriptionSize = 32;
constexpr std::size_t kHeaderSize = 53;      // full header on the wire
constexpr std::size_t kShortHeaderSize = 21; // header without the description
constexpr std::size_t kNetworkSize = 17;
constexpr std::size_t kConfigDataSize = 4; // answer bytes of the configuration commands
constexpr std::uint8_t kStatusHasData = 1;
// The web pages a LINKBOX takes: type byte and the largest size.
constexpr std::uint8_t kWebPageHtml = 1;
constexpr std::uint8_t kWebPageGif = 2;
constexpr std::uint32_t kMaxWebPageSize = 196000;

using CTextField = std::array<std::uint8_t, kTextFieldSize>;
using CDescriptionField = std::array<std::uint8_t, kDescriptionSize>;

// A slot or device header exactly as the device stores it: raw field bytes,
// description in the device character set.
struct CHeaderRecord {
    std::uint8_t status = 0;
    std::uint8_t kind = 0;
    CTextField textA{};
    CTextField textB{};
    std::uint32_t size = 0; // 24 bits used
    CDescriptionField description{};

    void Encode(std::uint8_t* out53) const;
    void EncodeShort(std::uint8_t* out21) const;
    static CHeaderRecord Decode(const std::uint8_t* in53);
    static CHeaderRecord DecodeShort(const std::uint8_t* in21);
    bool operator==(const CHeaderRecord&) const = default;
};

using CAddress = std::array<std::uint8_t, 4>; // octets in display order

struct CNetworkRecord {
    CAddress address1{192, 168, 0, 1};
    CAddress address2{255, 255, 255, 0};
    CAddress address3{0, 0, 0, 0};
    std::uint8_t parameterByte = 0;
    std::uint16_t parameterWord1 = 40000;
    std::uint16_t parameterWord2 = 0;

    // Wire form: each address with its last octet first, words LSB first.
    void Encode(std::uint8_t* out17) const;
    static CNetworkRecord Decode(const std::uint8_t* in17);
    bool operator==(const CNetworkRecord&) const = default;
};

struct CSlot {
    CHeaderRecord header;
    CBytes data; // what the data phases move; bytes past its end read as 0xFF
    bool operator==(const CSlot&) const = default;
};

struct CDeviceState {
    std::uint8_t mode = kModeTransfer;
    std::uint8_t configByte = 1;
    CNetworkRecord network;
    CHeaderRecord deviceHeader;
    CBytes deviceImage;
    CHeaderRecord shortHeader; // the last one announced; its description stays empty
    std::array<CSlot, kSlotCount> slots;
    // The images the update data phases received, by phase code (0x1F, 0x1E, 0x3F).
    std::map<std::uint8_t, CBytes> images;
    // The web pages a LINKBOX holds: the last one received of each type (1 HTML, 2 GIF).
    std::map<std::uint8_t, CBytes> pages;

    static bool IsSlotNumber(int number) { return number >= 1 && number <= kSlotCount; }
    CSlot& Slot(int number) { return slots[static_cast<std::size_t>(number - 1)]; }
    const CSlot& Slot(int number) const { return slots[static_cast<std::size_t>(number - 1)]; }
    bool operator==(const CDeviceState&) const = default;
};

} // namespace qbx::sim
