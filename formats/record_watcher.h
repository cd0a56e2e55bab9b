#pragma once
#include <cstdint>
#include <span>

// A look over the record cursor's shoulder: the file check walks a program
// file through the very cursor the transfer serves from, and learns here
// what each record held, so that the two can never read a file differently.
namespace qbx {

enum RecordChecksum : int {
    kChecksumMatches = 0,
    kChecksumDiffers = 1,
    kChecksumMissing = 2, // no digits where the checksum belongs
    kChecksumNotRead = 3, // the record's bytes were never read
};

struct SeenRecord {
    std::uint8_t type = 0;
    std::uint8_t count = 0;
    std::uint32_t address = 0;           // the base in force plus the 16-bit field
    std::uint32_t base = 0;              // after the record: types 2 and 4 set it
    std::span<const std::uint8_t> bytes; // as read, before any welcome-page text
    int checksum = kChecksumNotRead;
    std::uint8_t checksumFound = 0;
    std::uint8_t checksumExpected = 0; // what the record's bytes call for
};

class CRecordWatcher {
  public:
    virtual ~CRecordWatcher() = default;
    // Each record once, when the cursor has read it. False makes the cursor
    // stop as though the records had ended.
    virtual bool Seen(const SeenRecord& record) = 0;
};

} // namespace qbx
