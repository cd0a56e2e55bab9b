#pragma once
#include <string>

namespace qbx {

// Reads numbers and words from a file's text the way the C library's fscanf
// conversions do ("%d", "%Nd", "%Ns"), so that files written by earlier
// versions of the program load the same. A failed conversion consumes what
// fscanf consumes: the white space in front of it and a sign without digits.
class CTextScanner {
  public:
    explicit CTextScanner(const std::string& text) : text(text) {}

    void SkipSpace();
    // "%d" (width 0) or "%Nd": optional sign and decimal digits; a width
    // counts the sign. A value beyond a long is clamped to the long's range,
    // as the C library does before it keeps an int's low bits; callers keep
    // the low bits only.
    bool ScanInt(long long& value, size_t width = 0);
    // "%Ns": a whitespace-delimited word of at most `width` characters,
    // NUL bytes included.
    bool ScanWord(std::string& word, size_t width);

  private:
    const std::string& text;
    size_t pos = 0;
};

} // namespace qbx
