#include "core/windows1252.h"

#include <cstdint>

namespace qbx {
namespace {

// Unicode of the bytes 0x80 to 0x9F; the undefined ones keep their value.
constexpr char32_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePoint(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char32_t(byte);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `p`; false (p moved by one byte) when it is malformed.
bool DecodeUtf8(const std::string& text, std::size_t& p, char32_t& c) {
    unsigned char lead = static_cast<unsigned char>(text[p++]);
    int extra;
    char32_t minimum;
    if (lead < 0x80) {
        c = lead;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, minimum = 0x80, c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, minimum = 0x800, c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, minimum = 0x10000, c = lead & 0x07;
    } else {
        return false;
    }
    std::size_t start = p;
    for (int i = 0; i < extra; ++i) {
        if (p >= text.size() || (static_cast<unsigned char>(text[p]) & 0xC0) != 0x80) {
            p = start;
            return false;
        }
        c = (c << 6) | (static_cast<unsigned char>(text[p++]) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    return true;
}

bool ToWindows1252(char32_t c, char& byte) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        byte = static_cast<char>(c);
        return true;
    }
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == c) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    return false;
}

} // namespace

std::string Windows1252ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char byte : text)
        AppendUtf8(out, CodePoint(static_cast<unsigned char>(byte)));
    return out;
}

std::string Utf8ToWindows1252(const std::string& text, char replacement) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t p = 0; p < text.size();) {
        char32_t c = 0;
        char byte = replacement;
        if (DecodeUtf8(text, p, c) && !ToWindows1252(c, byte)) byte = replacement;
        out += byte;
    }
    return out;
}

} // namespace qbx
