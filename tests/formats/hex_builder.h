#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Intel HEX text for tests that need records our tools do not make.
namespace hexfile {

inline std::string Record(std::uint8_t type, std::uint16_t address, const std::vector<std::uint8_t>& bytes,
                          int checksumError = 0) {
    unsigned sum = static_cast<unsigned>(bytes.size()) + (address >> 8) + (address & 0xFF) + type;
    char field[16];
    std::snprintf(field, sizeof field, ":%02X%04X%02X", static_cast<unsigned>(bytes.size()), address, type);
    std::string line = field;
    for (std::uint8_t b : bytes) {
        std::snprintf(field, sizeof field, "%02X", b);
        line += field;
        sum += b;
    }
    std::snprintf(field, sizeof field, "%02X\n", (0x100 - (sum & 0xFF) + checksumError) & 0xFF);
    return line + field;
}

inline std::string Data(std::uint16_t address, const std::vector<std::uint8_t>& bytes) {
    return Record(0, address, bytes);
}
inline std::string Linear(std::uint16_t upper) {
    return Record(4, 0, {static_cast<std::uint8_t>(upper >> 8), static_cast<std::uint8_t>(upper)});
}
inline std::string Segment(std::uint16_t segment) {
    return Record(2, 0, {static_cast<std::uint8_t>(segment >> 8), static_cast<std::uint8_t>(segment)});
}
inline std::string End() {
    return Record(1, 0, {});
}

// Deterministic bytes that differ from address to address and from seed to seed.
inline std::vector<std::uint8_t> Pattern(std::size_t size, std::uint32_t seed) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t x = seed * 2654435761u + 1;
    for (auto& b : bytes) {
        x = x * 1664525u + 1013904223u;
        b = static_cast<std::uint8_t>(x >> 24);
    }
    return bytes;
}

// Records of `recordSize` bytes carrying image[from, to) at addresses from..to
// (the low 16 bits; the caller writes the extended addresses).
inline std::string DataRecords(const std::vector<std::uint8_t>& image, std::size_t from, std::size_t to,
                               std::size_t recordSize = 16) {
    std::string text;
    for (std::size_t a = from; a < to; a += recordSize) {
        std::size_t end = a + recordSize < to ? a + recordSize : to;
        text += Data(static_cast<std::uint16_t>(a),
                     std::vector<std::uint8_t>(image.begin() + a, image.begin() + end));
    }
    return text;
}

} // namespace hexfile
