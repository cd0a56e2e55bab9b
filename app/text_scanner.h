#pragma once
#include <string>

namespace qbx {

// Reads numbers and words from a file's text the way the C library's scanf
// conversions do ("%d", "%Nd", "%Ns", "%x"), so that files written by earlier
// versions of the program load the same. A failed conversion consumes only
// the white space in front of it.
class CTextScanner {
public:
    explicit CTextScanner(const std::string& text) : text(text) {}

    void SkipSpace();
    // "%d" (width 0) or "%Nd": optional sign and decimal digits. Values past
    // 64 bits keep their low bits, as callers only store the low bits anyway.
    bool ScanInt(long long& value, size_t width = 0);
    // "%Nx": hexadecimal digits, at most `width` characters (0: no limit).
    bool ScanHex(unsigned long long& value, size_t width = 0);
    // "%Ns": a whitespace-delimited word of at most `width` characters.
    bool ScanWord(std::string& word, size_t width);
    // "%c": one character, white space included.
    bool ScanChar(char& c);
    bool AtEnd() const { return pos >= text.size(); }
    size_t Position() const { return pos; }

private:
    const std::string& text;
    size_t pos = 0;
};

} // namespace qbx
