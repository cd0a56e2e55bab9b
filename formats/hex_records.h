#pragma once
#include "formats/text_stream.h"

#include <cstdint>
#include <span>

// Readers for the Intel HEX records of program and firmware files. They do
// not check what they read: a character that is not a hexadecimal digit ends
// a field, the field keeps the value it had, and checksums are never read.
namespace qbx {

// Record types the files use.
enum HexRecordType : int {
    kHexData = 0,
    kHexEndOfFile = 1,
    kHexSegmentAddress = 2, // base = value * 16
    kHexLinearAddress = 4,  // base = value * 65536
};

// ReadRecordHeader's result when no record is left.
constexpr int kRecordsEnded = -1;

// Skips to the next ':' and converts the count ("%2x"), the 16-bit address
// ("%4x") and the type ("%2x"); the stream is left at the first data digit.
// Returns the type, or kRecordsEnded when the file ends before the ':' or
// before the type. A field without digits keeps the value it had.
int ReadRecordHeader(CTextStream& in, std::uint8_t& count, std::uint32_t& address, std::uint8_t& type);

// Converts bytes.size() data bytes ("%2x" each) into `bytes`, in order. A
// byte whose digits are missing keeps its value. False when the file ended
// before all of them were read.
bool ReadRecordBytes(CTextStream& in, std::span<std::uint8_t> bytes);

// The start-up text of the controller lies in records from 0x10000 to 0x10050;
// this puts the characters of `text` (a welcome-page file) into such a
// record's bytes, converted to the device character set:
//   at 0x10000:           count - 2 characters into positions 2 .. count-1,
//   0x10010 to 0x10040:   count characters into positions 0 .. count-1,
//   at 0x10050:           10 characters into positions 0 .. 9,
//   anywhere else:        nothing.
// Where the text has ended, the record's own byte is converted instead.
// Characters for positions beyond `record` are read but not stored.
void ReadRecordText(CTextStream& text, std::span<std::uint8_t> record, std::uint8_t count,
                    std::uint32_t fullAddress);

} // namespace qbx
