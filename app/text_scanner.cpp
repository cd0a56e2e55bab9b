#include "app/text_scanner.h"

#include <algorithm>
#include <cctype>

namespace qbx {
namespace {
bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

void CTextScanner::SkipSpace() {
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
}

bool CTextScanner::ScanInt(long long& value, size_t width) {
    SkipSpace();
    size_t limit = width == 0 ? text.size() : std::min(text.size(), pos + width);
    size_t p = pos;
    bool negative = false;
    if (p < limit && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    size_t digits = p;
    unsigned long long magnitude = 0;
    while (p < limit && text[p] >= '0' && text[p] <= '9') magnitude = magnitude * 10 + (text[p++] - '0');
    if (p == digits) return false;
    pos = p;
    value = static_cast<long long>(negative ? 0ull - magnitude : magnitude);
    return true;
}

bool CTextScanner::ScanHex(unsigned long long& value, size_t width) {
    SkipSpace();
    size_t limit = width == 0 ? text.size() : std::min(text.size(), pos + width);
    size_t p = pos;
    unsigned long long result = 0;
    while (p < limit && HexValue(text[p]) >= 0) result = (result << 4) | static_cast<unsigned>(HexValue(text[p++]));
    if (p == pos) return false;
    pos = p;
    value = result;
    return true;
}

bool CTextScanner::ScanWord(std::string& word, size_t width) {
    SkipSpace();
    size_t start = pos;
    while (pos < text.size() && !IsSpace(text[pos]) && (width == 0 || pos - start < width)) ++pos;
    word = text.substr(start, pos - start);
    return pos > start;
}

bool CTextScanner::ScanChar(char& c) {
    if (pos >= text.size()) return false;
    c = text[pos++];
    return true;
}

} // namespace qbx
