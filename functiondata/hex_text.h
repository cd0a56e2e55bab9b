#pragma once
#include <cstdint>
#include <string>

// Upper-case hexadecimal fields of the ".dat" records.
namespace qbx {

inline int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Appends `digits` upper-case hexadecimal digits of `value` ("%02X", "%04X").
inline void AppendHex(std::string& out, std::uint32_t value, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kDigits[(value >> shift) & 0xF];
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

} // namespace qbx
