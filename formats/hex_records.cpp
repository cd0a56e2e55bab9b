#include "formats/hex_records.h"

#include "core/device_charset.h"
#include "formats/scan_conversions.h"

namespace qbx {
namespace {

constexpr int kCountDigits = 2, kAddressDigits = 4, kTypeDigits = 2, kByteDigits = 2;
constexpr std::uint32_t kTextStart = 0x10000, kTextLinesFirst = 0x10010, kTextLinesLast = 0x10040,
                        kTextEnd = 0x10050;
constexpr unsigned kTextStartSkip = 2, kTextEndLength = 10;

// Converts one fixed-width field into `field`, which keeps its value when the
// text has no digits there.
template <typename T> int ScanField(CTextStream& in, int width, T& field) {
    std::uint32_t value = 0;
    int result = ScanHex(in, width, value);
    if (result == kScanMatched) field = static_cast<T>(value);
    return result;
}

} // namespace

int ReadRecordHeader(CTextStream& in, std::uint8_t& count, std::uint32_t& address, std::uint8_t& type) {
    for (;;) {
        int c = in.Get();
        if (c == CTextStream::kEnd) return kRecordsEnded;
        if (c == ':') break;
    }
    ScanField(in, kCountDigits, count);
    ScanField(in, kAddressDigits, address);
    if (ScanField(in, kTypeDigits, type) == kScanEnd) return kRecordsEnded;
    return type;
}

bool ReadRecordBytes(CTextStream& in, std::span<std::uint8_t> bytes) {
    for (std::uint8_t& byte : bytes)
        if (ScanField(in, kByteDigits, byte) == kScanEnd) return false;
    return true;
}

void ReadRecordText(CTextStream& text, std::span<std::uint8_t> record, std::uint8_t count,
                    std::uint32_t fullAddress) {
    unsigned first = 0, end = 0;
    if (fullAddress == kTextStart) {
        first = kTextStartSkip;
        end = count;
    } else if (fullAddress >= kTextLinesFirst && fullAddress <= kTextLinesLast) {
        end = count;
    } else if (fullAddress == kTextEnd) {
        end = kTextEndLength;
    }
    for (unsigned i = first; i < end; ++i) {
        int c = text.Get();
        if (i >= record.size()) continue;
        if (c != CTextStream::kEnd) record[i] = static_cast<std::uint8_t>(c);
        record[i] = ToDeviceChar(record[i]);
    }
}

} // namespace qbx
