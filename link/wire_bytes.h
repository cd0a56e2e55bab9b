#pragma once
#include <cstdint>

// Explicit little-endian encoding and the protocol's 8-bit sums. Records are
// always written field by field through these, never copied as structs.
namespace qbx {

inline void PutLe16(std::uint8_t* out, std::uint16_t value) {
    out[0] = static_cast<std::uint8_t>(value & 0xFF);
    out[1] = static_cast<std::uint8_t>(value >> 8);
}

inline std::uint16_t GetLe16(const std::uint8_t* in) {
    return static_cast<std::uint16_t>(in[0] | (in[1] << 8));
}

// Three bytes, least significant first; bits above 23 are dropped.
inline void PutLe24(std::uint8_t* out, std::uint32_t value) {
    out[0] = static_cast<std::uint8_t>(value & 0xFF);
    out[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    out[2] = static_cast<std::uint8_t>((value >> 16) & 0xFF);
}

inline std::uint32_t GetLe24(const std::uint8_t* in) {
    return static_cast<std::uint32_t>(in[0]) | (static_cast<std::uint32_t>(in[1]) << 8) |
           (static_cast<std::uint32_t>(in[2]) << 16);
}

// The sum modulo 256 of `count` bytes.
inline std::uint8_t Sum8(const std::uint8_t* data, int count) {
    unsigned sum = 0;
    for (int i = 0; i < count; ++i)
        sum += data[i];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

} // namespace qbx
