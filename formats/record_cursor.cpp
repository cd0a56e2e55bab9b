#include "formats/record_cursor.h"

#include "formats/hex_records.h"
#include "formats/program_file.h"

#include <algorithm>
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
    return type;
}

bool CRecordCursor::ApplyExtendedAddress() {
    if (recordType != kHexLinearAddress && recordType != kHexSegmentAddress) return true;
    std::uint8_t value[2] = {0, 0};
    if (!ReadRecordBytes(file, value)) return false;
    std::uint32_t word = (std::uint32_t{value[0]} << 8) | value[1];
    base = recordType == kHexLinearAddress ? word << 16 : word << 4;
    return true;
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
            if (answered.Overlaps(recordAddress, recordEnd)) return kServeOutOfOrder;
            if (recordEnd > address) return kServeRecordAcrossBlock;
            consumedEnd = std::max(consumedEnd, recordEnd); // passed over
            continue;
        }
        if (recordAddress <= end) {
            if (recordEnd > end + 1) return kServeRecordAcrossBlock;
            const std::uint32_t offset = recordAddress - address;
            if (!ReadRecordBytes(file, std::span(block.data() + offset, recordCount))) return kServeEndOfFile;
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
