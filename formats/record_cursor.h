#pragma once
#include "formats/address_ranges.h"
#include "formats/record_watcher.h"
#include "formats/text_stream.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace qbx {

// Requests of the update data phases carry at most 64 bytes; the answer block
// has room for a few more.
constexpr std::uint32_t kMaxRequestBytes = 64;
constexpr std::size_t kAnswerBlockSize = 70;
using AnswerBlock = std::array<std::uint8_t, kAnswerBlockSize>;
constexpr std::uint8_t kUnprogrammedByte = 0xFF;

// The data phases of the updates.
enum DataPhase : int {
    kSingleImagePhase = 0,     // single-image program file, or a firmware file
    kProgramImagePhase = 1,    // two-image file, first phase: the boot sector is kept
    kBootSectorImagePhase = 2, // two-image file, second phase: the boot sector is served again
};

// How a request is to be answered, or why it cannot be.
enum ServeResult : int {
    kServeData = 0,   // answer header with the request's code, then the block's first n bytes
    kServeGap = 1,    // the same two frames, for a block that lies before the next record
    kServeNoData = 2, // the no-data answer alone
    // The records ended (end-of-file) while the block was being collected.
    kServeEndOfFile = 3,
    // A data record starts before the block and reaches into it, or starts
    // inside it and reaches beyond its end: its bytes cannot all be served.
    kServeRecordAcrossBlock = 4,
    kServeBadLength = 5, // a request of 0 bytes or of more than kMaxRequestBytes
    // The block begins below the end of a record already read or passed
    // over; the file is never read twice, so those bytes are gone.
    kServeBehindCursor = 6,
    // A data record turned up for addresses the device has already been
    // answered for in this phase: the file's records are not in ascending
    // order, and the device would keep 0xFF where that record's data belongs.
    kServeOutOfOrder = 7,
};

// Serves the device's block requests from the Intel HEX records of an open
// program or firmware file, reading the file strictly forward while the
// device asks. Record types 0 (data), 2 (extended segment address) and 4
// (extended linear address) are used; all others are passed over. Each
// image is a HEX stream of its own: its base address starts at 0.
class CRecordCursor {
  public:
    explicit CRecordCursor(CTextStream& file) : file(file) {}

    // Two-image files: keep the first `bsSize` bytes of the program image in
    // the first phase and serve them in the second at dataSize / 2 onwards.
    // False when bsSize is above kMaxBootSectorSize or the memory is not there.
    bool KeepBootSector(std::uint32_t dataSize, std::uint32_t bsSize);

    // The welcome page written into the controller's start-up text records
    // (ReadRecordText), or nullptr for none. It is used in the single-image
    // and program-image phases only; the caller keeps the stream open.
    void SetWelcomePage(CTextStream* page) { welcomePage = page; }

    // Told of every record as it is read, or nullptr. With a watcher the
    // cursor also reads each record's checksum and the bytes of the record
    // types it otherwise passes over; neither moves it to another record.
    void SetWatcher(CRecordWatcher* newWatcher) { watcher = newWatcher; }

    // Starts a data phase: the next request reads on from the current
    // position in the file (the caller has skipped to the image's records).
    void BeginPhase(int phase);

    // Answers a request for `count` bytes at `address`: `block` is filled
    // with kUnprogrammedByte and the bytes found, and the result says which
    // answer to send. With kServeData and kServeGap the first `count` bytes
    // of `block` follow the answer header. Results above kServeNoData end
    // the phase as failed.
    int Serve(std::uint32_t address, std::uint32_t count, AnswerBlock& block);

    // The full address of the record read last: after kServeOutOfOrder or
    // kServeRecordAcrossBlock, the record at fault.
    std::uint32_t RecordAddress() const { return recordAddress; }

  private:
    using Coverage = std::bitset<kMaxRequestBytes>;

    int ReadHeader();
    bool ApplyExtendedAddress();
    bool ReadOtherRecordBytes();
    bool Report(std::span<const std::uint8_t> bytes, bool bytesRead);
    int Collect(std::uint32_t address, std::uint64_t end, std::uint32_t count, AnswerBlock& block,
                Coverage& covered);
    bool PutBootSectorWindow(std::uint32_t address, std::uint32_t count, AnswerBlock& block,
                             const Coverage& covered) const;
    void KeepBootSectorBytes(std::uint32_t address, std::uint32_t count, const AnswerBlock& block);

    CTextStream& file;
    CTextStream* welcomePage = nullptr;
    CRecordWatcher* watcher = nullptr;
    bool reported = true; // the watcher has been told of the current record
    std::uint8_t extendedValue[2] = {0, 0};
    int phase = kSingleImagePhase;

    // The current record; its fields keep their values where a header has no digits.
    std::uint8_t recordCount = 0;
    std::uint32_t recordOffset = 0; // the 16-bit address field
    std::uint8_t recordType = 0;
    std::uint32_t recordAddress = 0; // base + offset
    bool readNext = true;            // false while the current record waits for a later request
    std::uint32_t base = 0;
    std::uint64_t consumedEnd = 0; // end of the highest record read or passed over in this phase
    CAddressRanges answered;       // the addresses of this phase's requests answered so far

    std::unique_ptr<std::uint8_t[]> bootSector;
    std::uint32_t bootSectorSize = 0;
    std::uint32_t windowStart = 0;
};

// The progress bar's percentage of `position` in `total`, with the display's
// 32-bit arithmetic; 0 for a total of 0.
std::uint32_t ProgressPercent(std::uint32_t position, std::uint32_t total);

} // namespace qbx
