#include "formats/scan_conversions.h"

namespace qbx {
namespace {

// White space as the C locale's isspace has it.
bool IsSpace(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

int HexDigit(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsX(int c) {
    return c == 'x' || c == 'X';
}

void SkipSpace(CTextStream& in) {
    while (IsSpace(in.Peek()))
        in.Get();
}

} // namespace

int ScanHex(CTextStream& in, int width, std::uint32_t& value) {
    SkipSpace(in);
    int c = in.Peek();
    if (c == CTextStream::kEnd) return kScanEnd;
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = in.Get() == '-';
        if (--width == 0) return kScanNoMatch;
        c = in.Peek();
    }
    bool digits = false;
    std::uint32_t result = 0;
    if (c == '0') {
        // A leading zero is a digit of its own; an 'x' right after it is
        // taken as the prefix while the width lasts, even when no digit follows.
        in.Get();
        digits = true;
        if (--width > 0 && IsX(in.Peek())) {
            in.Get();
            --width;
        }
    }
    for (; width > 0 && HexDigit(in.Peek()) >= 0; --width) {
        result = result * 16 + static_cast<std::uint32_t>(HexDigit(in.Get()));
        digits = true;
    }
    if (!digits) return kScanNoMatch;
    value = negative ? 0u - result : result;
    return kScanMatched;
}

int ScanWord(CTextStream& in, std::string& word) {
    SkipSpace(in);
    if (in.Peek() == CTextStream::kEnd) return kScanEnd;
    word.clear();
    while (in.Peek() != CTextStream::kEnd && !IsSpace(in.Peek())) {
        if (word.size() == kWordBufferSize - 1) {
            in.Get();
            return kScanNoMatch;
        }
        word.push_back(static_cast<char>(in.Get()));
    }
    return kScanMatched;
}

bool ReadLine(CTextStream& in, std::string& line) {
    if (in.Peek() == CTextStream::kEnd) return false;
    line.clear();
    while (line.size() < kLineBufferSize - 1) {
        int c = in.Get();
        if (c == CTextStream::kEnd) break;
        line.push_back(static_cast<char>(c));
        if (c == '\n') break;
    }
    return true;
}

void StripLineFeeds(std::string& line) {
    while (!line.empty() && line.back() == '\n')
        line.pop_back();
}

std::uint32_t ParseHex32(const std::string& text) {
    std::size_t p = 0;
    while (p < text.size() && IsSpace(static_cast<unsigned char>(text[p])))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    if (p + 2 < text.size() && text[p] == '0' && IsX(text[p + 1]) && HexDigit(text[p + 2]) >= 0) p += 2;
    std::uint64_t result = 0;
    for (; p < text.size() && HexDigit(static_cast<unsigned char>(text[p])) >= 0; ++p) {
        result = result * 16 + static_cast<std::uint64_t>(HexDigit(static_cast<unsigned char>(text[p])));
        if (result > 0xFFFFFFFFu) return 0xFFFFFFFFu;
    }
    std::uint32_t value = static_cast<std::uint32_t>(result);
    return negative ? 0u - value : value;
}

} // namespace qbx
