#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The device's own byte helpers. The simulator deliberately shares nothing
// with the program's link layer, so that a framing fault on one side cannot
// be mirrored and hidden by the other.
namespace qbx::sim {

using CBytes = std::vector<std::uint8_t>;

// 8-bit sum (modulo 256) of `len` bytes.
inline std::uint8_t Sum8(const std::uint8_t* data, std::size_t len) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < len; ++i)
        sum += data[i];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

inline std::uint8_t Sum8(const CBytes& bytes) {
    return Sum8(bytes.data(), bytes.size());
}

inline void PutLe16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

inline std::uint16_t GetLe16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

inline void PutLe24(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    at[2] = static_cast<std::uint8_t>((value >> 16) & 0xFF);
}

inline std::uint32_t GetLe24(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16);
}

} // namespace qbx::sim
