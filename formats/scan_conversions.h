#pragma once
#include "formats/text_stream.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The C library conversions that program and firmware files have always been
// read with, rebuilt on CTextStream so that files keep reading exactly as
// before, and so that no conversion can write past a buffer.
namespace qbx {

// Results of the scan functions, numbered like scanf's return value.
enum ScanResult : int {
    kScanEnd = -1,    // the file ended before anything could be converted
    kScanNoMatch = 0, // the text does not fit the conversion
    kScanMatched = 1,
};

// "%<width>x" (width 1 to 8): white space skipped, then an optional sign and
// an optional "0x" or "0X", all counted in the width, then hexadecimal digits.
// A character that ends the field stays unread. A negative number is stored
// as its two's complement. `value` is left alone unless the result is
// kScanMatched.
int ScanHex(CTextStream& in, int width, std::uint32_t& value);

// The buffer that the first word of a file has always been read into.
constexpr std::size_t kWordBufferSize = 200;

// "%s": white space skipped, then the characters up to the next white space.
// A word that does not fit kWordBufferSize with its terminator gives
// kScanNoMatch; reading stops after the character that does not fit.
int ScanWord(CTextStream& in, std::string& word);

// The line buffer of the two-image program file's header.
constexpr std::size_t kLineBufferSize = 200;

// fgets with kLineBufferSize: at most kLineBufferSize - 1 characters, up to
// and including a line feed. A longer line is returned in pieces, each piece
// read as a line of its own. False when the file ended before any character.
bool ReadLine(CTextStream& in, std::string& line);

// Removes line feeds from the end of `line`; blanks and everything else stay.
void StripLineFeeds(std::string& line);

// strtoul(text, nullptr, 16) with a 32-bit unsigned long: white space, an
// optional sign and an optional "0x" before the digits, conversion up to the
// first character that is not a hexadecimal digit, 0 without digits,
// 0xFFFFFFFF when the value does not fit, the two's complement after a '-'.
std::uint32_t ParseHex32(const std::string& text);

} // namespace qbx
