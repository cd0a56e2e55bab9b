#pragma once
#include <array>
#include <cstdint>
#include <string>

// Upper-case hexadecimal fields of the ".dat" records.
namespace qbx {

inline constexpr char kUpperHexDigits[] = "0123456789ABCDEF";

// A table rather than ranges: the records are almost all digits, and one
// look-up a character keeps a 32 KiB image quick to read.
inline int HexDigitValue(char c) {
    static constexpr std::array<std::int8_t, 256> kValues = [] {
        std::array<std::int8_t, 256> values{};
        for (auto& value : values)
            value = -1;
        for (int i = 0; i < 10; ++i)
            values['0' + i] = static_cast<std::int8_t>(i);
        for (int i = 0; i < 6; ++i)
            values['a' + i] = values['A' + i] = static_cast<std::int8_t>(10 + i);
        return values;
    }();
    return kValues[static_cast<unsigned char>(c)];
}

// Appends `digits` upper-case hexadecimal digits of `value` ("%02X", "%04X").
inline void AppendHex(std::string& out, std::uint32_t value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kUpperHexDigits[(value >> shift) & 0xF];
}

// "%04X": at least four digits, more when the value needs them.
inline void AppendHexAtLeast(std::string& out, std::uint32_t value, int digits) {
    int needed = 1;
    while (needed < 8 && (value >> (needed * 4)) != 0)
        ++needed;
    AppendHex(out, value, needed > digits ? needed : digits);
}

// Reads `digits` hexadecimal characters at `pos`; false when one is not.
inline bool ParseHexField(const std::string& text, std::size_t pos, int digits, std::uint32_t& value) {
    if (pos + static_cast<std::size_t>(digits) > text.size()) return false;
    value = 0;
    for (int i = 0; i < digits; ++i) {
        int digit = HexDigitValue(text[pos + i]);
        if (digit < 0) return false;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return true;
}

// Reads `count` bytes of two hexadecimal digits each from `text`, which
// holds at least 2 * count characters; false when one is not a digit (the
// bytes are then of no use). One test for the whole run: a non-digit's -1
// leaves the sign bit set in the running OR.
inline bool DecodeHexBytes(const char* text, std::size_t count, std::uint8_t* bytes) {
    int digits = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int high = HexDigitValue(text[2 * i]);
        const int low = HexDigitValue(text[2 * i + 1]);
        digits |= high | low;
        bytes[i] = static_cast<std::uint8_t>((high & 0xF) << 4 | (low & 0xF));
    }
    return digits >= 0;
}

// Writes the two upper-case digits of `byte` at `out`.
inline void PutHexByte(char* out, std::uint8_t byte) {
    out[0] = kUpperHexDigits[byte >> 4];
    out[1] = kUpperHexDigits[byte & 0xF];
}

} // namespace qbx
