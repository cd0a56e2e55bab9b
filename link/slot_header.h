#pragma once
#include <cstdint>
#include <string>

namespace qbx {

// The header of a storage slot (and of the LINKBOX's own data image). Texts
// hold single-byte Windows-1252 bytes.
struct SlotHeader {
    std::uint8_t status = 0; // 1 = the header carries data
    std::uint8_t kind = 0;   // passed through as the device keeps it
    std::string textA;       // up to 8 characters
    std::string textB;       // up to 8 characters
    std::uint32_t size = 0;  // 24 bits on the wire
    std::string description; // up to 32 characters
};

// The 53-byte wire form: status, kind, textA[8], textB[8], size (3 bytes,
// least significant first), description[32]. Longer texts are cut to their
// field, shorter ones padded with 0; `size` above 24 bits is cut too.
void EncodeSlotHeader(const SlotHeader& header, std::uint8_t* out);
// The first 21 bytes of the same layout, without the description.
void EncodeShortHeader(const SlotHeader& header, std::uint8_t* out);
// Reads the 53-byte form; each text ends at its first 0 byte or its field.
SlotHeader DecodeSlotHeader(const std::uint8_t* in);

} // namespace qbx
