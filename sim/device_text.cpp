#include "sim/device_text.h"

#include <algorithm>
#include <cstdio>

namespace qbx::sim {

namespace {

struct CSpecial {
    std::uint8_t device;
    const char* utf8;
};

// The device's own characters and their UTF-8 spelling in the state file.
constexpr CSpecial kSpecials[] = {
    {kDeviceDegree, "\xC2\xB0"},
    {kDeviceSmallA, "\xC3\xA4"},
    {kDeviceSmallO, "\xC3\xB6"},
    {kDeviceSmallU, "\xC3\xBC"},
};

bool IsPlain(std::uint8_t c) {
    return c >= 32 && c <= 126;
}

// Decodes one UTF-8 sequence at `pos`; -1 for a malformed one.
long NextCodePoint(const std::string& text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (more < 0) return -1;
    long code = lead & (0x3F >> more);
    for (; more > 0; --more) {
        if (pos >= text.size()) return -1;
        const auto next = static_cast<unsigned char>(text[pos++]);
        if ((next & 0xC0) != 0x80) return -1;
        code = (code << 6) | (next & 0x3F);
    }
    return code;
}

std::uint8_t DeviceCharacter(long code) {
    switch (code) {
    case 0xB0:
        return kDeviceDegree;
    case 0xC4:
    case 0xE4:
        return kDeviceSmallA;
    case 0xD6:
    case 0xF6:
        return kDeviceSmallO;
    case 0xDC:
    case 0xFC:
        return kDeviceSmallU;
    default:
        return code >= 32 && code <= 126 ? static_cast<std::uint8_t>(code) : kDeviceBlank;
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One character of a quoted text; false when malformed or at the closing quote.
bool TakeCharacter(const std::string& line, std::size_t& pos, std::uint8_t& out) {
    const char c = line[pos];
    if (c == '\\') {
        if (pos + 1 >= line.size()) return false;
        const char what = line[pos + 1];
        if (what == '\\' || what == '"') {
            out = static_cast<std::uint8_t>(what);
            pos += 2;
            return true;
        }
        if (what != 'x' || pos + 3 >= line.size()) return false;
        const int high = HexDigit(line[pos + 2]);
        const int low = HexDigit(line[pos + 3]);
        if (high < 0 || low < 0) return false;
        out = static_cast<std::uint8_t>(high * 16 + low);
        pos += 4;
        return true;
    }
    if (IsPlain(static_cast<std::uint8_t>(c))) {
        out = static_cast<std::uint8_t>(c);
        ++pos;
        return true;
    }
    for (const CSpecial& special : kSpecials) {
        if (line.compare(pos, 2, special.utf8) == 0) {
            out = special.device;
            pos += 2;
            return true;
        }
    }
    return false;
}

} // namespace

CBytes DeviceTextFromUtf8(const std::string& text) {
    CBytes out;
    std::size_t pos = 0;
    while (pos < text.size())
        out.push_back(DeviceCharacter(NextCodePoint(text, pos)));
    return out;
}

std::string QuoteDeviceText(const std::uint8_t* field, std::size_t width) {
    std::size_t used = width;
    while (used > 0 && field[used - 1] == 0)
        --used;
    std::string out = "\"";
    for (std::size_t i = 0; i < used; ++i) {
        const std::uint8_t c = field[i];
        const auto special = std::find_if(std::begin(kSpecials), std::end(kSpecials),
                                          [c](const CSpecial& s) { return s.device == c; });
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (IsPlain(c)) {
            out += static_cast<char>(c);
        } else if (special != std::end(kSpecials)) {
            out += special->utf8;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            out += escape;
        }
    }
    return out + "\"";
}

bool UnquoteDeviceText(const std::string& line, std::size_t& pos, std::uint8_t* field, std::size_t width) {
    while (pos < line.size() && line[pos] == ' ')
        ++pos;
    if (pos >= line.size() || line[pos] != '"') return false;
    ++pos;
    std::fill(field, field + width, 0);
    std::size_t count = 0;
    while (pos < line.size() && line[pos] != '"') {
        std::uint8_t c = 0;
        if (count >= width || !TakeCharacter(line, pos, c)) return false;
        field[count++] = c;
    }
    if (pos >= line.size()) return false;
    ++pos;
    return true;
}

} // namespace qbx::sim
