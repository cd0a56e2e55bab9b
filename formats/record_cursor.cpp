#include "formats/record_cursor.h"

#include "formats/hex_records.h"
#include "formats/program_file.h"
#include "formats/scan_conversions.h"

#include <algorithm>
#include <cctype>
#include <new>
#include <span>

namespace qbx {

bool CRecordCursor::KeepBootSector(std::uint32_t dataSize, std::uint32_t bsSize) {
    bootSector.reset();
    bootSectorSize = 0;
    if (bsSize > kMaxBootSectorSize) return false;
    bootSector.reset(new (std::nothrow) std::uint8_t[bsSize == 0 ? 1 : bsSize]);
    if (!bootSector) return false;
    // Bytes the first phase never reaches are, like every hole, unprogrammed.
    std::fill_n(bootSector.get(), bsSize, kUnprogrammedByte);
    bootSectorSize = bsSize;
    windowStart = dataSize / 2;
    return true;
}

void CRecordCursor::BeginPhase(int newPhase) {
    phase = newPhase;
    readNext = true;
    recordAddress = 0;
    base = 0;
    consumedEnd = 0;
    answered.Clear();
}

int CRecordCursor::Serve(std::uint32_t address, std::uint32_t count, AnswerBlock& block) {
    block.fill(kUnprogrammedByte);
    if (count == 0 || count > kMaxRequestBytes) return kServeBadLength;
    if (address < consumedEnd) return kServeBehindCursor;
    const std::uint64_t end = std::uint64_t{address} + count - 1;
    Coverage covered;
    int result = kServeGap;
    if (end < recordAddress) {
        readNext = false; // the record serves a later request
    } else {
        result = Collect(address, end, count, block, covered);
        if (result > kServeNoData) return result;
    }
    if (phase == kBootSectorImagePhase && PutBootSectorWindow(address, count, block, covered) &&
        result == kServeNoData)
        result = kServeData;
    if (phase == kProgramImagePhase) KeepBootSectorBytes(address, count, block);
    answered.Add(address, end + 1);
    return result;
}

int CRecordCursor::ReadHeader() {
    int type = ReadRecordHeader(file, recordCount, recordOffset, recordType);
    recordAddress = base + recordOffset;
    reported = false;
    return type;
}

bool CRecordCursor::ApplyExtendedAddress() {
    if (recordType != kHexLinearAddress && recordType != kHexSegmentAddress) return ReadOtherRecordBytes();
    extendedValue[0] = extendedValue[1] = 0;
    if (!ReadRecordBytes(file, extendedValue)) return false;
    std::uint32_t word = (std::uint32_t{extendedValue[0]} << 8) | extendedValue[1];
    base = recordType == kHexLinearAddress ? word << 16 : word << 4;
    return Report(extendedValue, true);
}

// Only a watcher wants the bytes of an end-of-file or start-address record;
// reading them stops short of the next ':', where the next record begins.
bool CRecordCursor::ReadOtherRecordBytes() {
    if (!watcher) return true;
    std::uint8_t bytes[255] = {};
    if (!ReadRecordBytes(file, std::span(bytes, recordCount))) {
        Report({}, false);
        return false;
    }
    return Report(std::span(bytes, recordCount), true);
}

// Tells the watcher once of the current record; with its bytes read, the
// checksum that follows them is read as well.
bool CRecordCursor::Report(std::span<const std::uint8_t> bytes, bool bytesRead) {
    if (!watcher || reported) return true;
    reported = true;
    SeenRecord seen;
    seen.type = recordType;
    seen.count = recordCount;
    seen.address = recordAddress;
    seen.base = base;
    seen.bytes = bytes;
    if (bytesRead) {
        std::uint32_t sum = recordCount + (recordOffset >> 8) + (recordOffset & 0xFF) + recordType;
        for (std::uint8_t b : bytes)
            sum += b;
        seen.checksumExpected = static_cast<std::uint8_t>(0x100 - (sum & 0xFF));
        // Only digits right after the data: reading on past a line end
        // could take the first letters of a marker line.
        std::uint32_t found = 0;
        const int next = file.Peek();
        if (next == CTextStream::kEnd || !std::isxdigit(next) || ScanHex(file, 2, found) != kScanMatched) {
            seen.checksum = kChecksumMissing;
        } else {
            seen.checksumFound = static_cast<std::uint8_t>(found);
            seen.checksum = seen.checksumFound == seen.checksumExpected ? kChecksumMatches : kChecksumDiffers;
        }
    }
    return watcher->Seen(seen);
}

int CRecordCursor::Collect(std::uint32_t address, std::uint64_t end, std::uint32_t count, AnswerBlock& block,
                           Coverage& covered) {
    bool hasData = false;
    for (;;) {
        if (readNext && ReadHeader() == kRecordsEnded) return kServeEndOfFile;
        readNext = true;
        if (recordType != kHexData) {
            if (!ApplyExtendedAddress()) return kServeEndOfFile;
            continue;
        }
        const std::uint64_t recordEnd = std::uint64_t{recordAddress} + recordCount;
        if (recordAddress < address) {
            // A device that skips ahead leaves records unread; one whose
            // addresses it was already answered for was lost.
            if (!Report({}, false)) return kServeEndOfFile;
            if (answered.Overlaps(recordAddress, recordEnd)) return kServeOutOfOrder;
            if (recordEnd > address) return kServeRecordAcrossBlock;
            consumedEnd = std::max(consumedEnd, recordEnd); // passed over
            continue;
        }
        if (recordAddress <= end) {
            if (recordEnd > end + 1) return Report({}, false) ? kServeRecordAcrossBlock : kServeEndOfFile;
            const std::uint32_t offset = recordAddress - address;
            const auto bytes = std::span(block.data() + offset, recordCount);
            if (!ReadRecordBytes(file, bytes) || !Report(bytes, true)) return kServeEndOfFile;
            if (welcomePage && phase != kBootSectorImagePhase)
                ReadRecordText(*welcomePage, std::span(block.data() + offset, count - offset), recordCount,
                               recordAddress);
            for (std::uint32_t i = 0; i < recordCount; ++i)
                covered.set(offset + i);
            hasData = true;
            consumedEnd = std::max(consumedEnd, recordEnd);
        }
        if (recordEnd > end) break;
    }
    if (end < recordAddress) readNext = false;
    return hasData ? kServeData : kServeNoData;
}

bool CRecordCursor::PutBootSectorWindow(std::uint32_t address, std::uint32_t count, AnswerBlock& block,
                                        const Coverage& covered) const {
    bool any = false;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t j = std::uint64_t{address} + i;
        if (covered.test(i) || j < windowStart || j - windowStart >= bootSectorSize) continue;
        block[i] = bootSector[j - windowStart];
        any = true;
    }
    return any;
}

void CRecordCursor::KeepBootSectorBytes(std::uint32_t address, std::uint32_t count,
                                        const AnswerBlock& block) {
    for (std::uint32_t i = 0; i < count && std::uint64_t{address} + i < bootSectorSize; ++i)
        bootSector[address + i] = block[i];
}

std::uint32_t ProgressPercent(std::uint32_t position, std::uint32_t total) {
    return total == 0 ? 0 : position * 100u / total;
}

} // namespace qbx
