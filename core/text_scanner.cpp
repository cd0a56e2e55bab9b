#include "core/text_scanner.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace qbx {
namespace {
bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
} // namespace

void CTextScanner::SkipSpace() {
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
}

bool CTextScanner::ScanInt(long long& value, size_t width) {
    SkipSpace();
    const size_t limit = width == 0 ? text.size() : std::min(text.size(), pos + width);
    bool negative = false;
    // The sign stays consumed when no digit follows it.
    if (pos < limit && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    const size_t digits = pos;
    // The magnitude stops growing past the largest a long can take.
    const unsigned long long ceiling = static_cast<unsigned long long>(LONG_MAX) + (negative ? 1 : 0);
    unsigned long long magnitude = 0;
    for (; pos < limit && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        unsigned digit = static_cast<unsigned>(text[pos] - '0');
        magnitude = magnitude > (ceiling - digit) / 10 ? ceiling : magnitude * 10 + digit;
    }
    if (pos == digits) return false;
    value = negative ? (magnitude == ceiling ? LONG_MIN : -static_cast<long long>(magnitude))
                     : static_cast<long long>(magnitude);
    return true;
}

bool CTextScanner::ScanWord(std::string& word, size_t width) {
    SkipSpace();
    size_t start = pos;
    while (pos < text.size() && !IsSpace(text[pos]) && (width == 0 || pos - start < width))
        ++pos;
    word = text.substr(start, pos - start);
    return pos > start;
}

} // namespace qbx
