#include "formats/function_data_reader.h"

#include "core/hex_text.h"
#include "formats/function_data_format.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace qbx {
namespace {

using Traits = std::streambuf::traits_type;

enum class Line { Read, Cut, End };

// One line without its line end: the LF and the one CR in front of it, as a
// text-mode read gives it, so that a CR inside a text comes back as it was
// written. A line longer than any line of the format is Cut and left unread:
// it costs neither memory nor time. The stream's own getline copies the
// line in one call; a 32 KiB image is a thousand lines.
Line ReadLine(std::istream& in, std::string& line) {
    line.clear();
    // Room for the longest line, the CR of its line end and one more
    // character, so that a longer line shows.
    char buffer[kDatLongestLine + 3];
    in.getline(buffer, sizeof buffer);
    std::size_t length = static_cast<std::size_t>(in.gcount());
    if (length == 0 && in.fail()) return Line::End;
    if (!in.eof()) {
        if (in.fail()) return Line::Cut; // the buffer filled before the line end
        --length;                        // the LF, extracted but not stored
    }
    if (length > 0 && buffer[length - 1] == '\r') --length;
    if (length > kDatLongestLine) return Line::Cut;
    line.assign(buffer, length);
    return Line::Read;
}

// A line the reader does not look at: read up to its end, however long.
void SkipLines(std::istream& in, int count) {
    std::streambuf* buffer = in.rdbuf();
    for (int i = 0; i < count; ++i) {
        Traits::int_type c = buffer->sbumpc();
        while (!Traits::eq_int_type(c, Traits::eof()) && c != '\n')
            c = buffer->sbumpc();
    }
}

bool ReadWholeLine(std::istream& in, std::string& line) {
    return ReadLine(in, line) == Line::Read;
}

// Removes `key` from the front of `line`; false when the line does not begin with it.
bool TakeKey(std::string& line, const char* key) {
    std::size_t length = std::strlen(key);
    if (line.compare(0, length, key) != 0) return false;
    line.erase(0, length);
    return true;
}

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The leading decimal number of `text`, as the C library's atoi reads it
// (spaces, an optional sign, digits; none give 0), kept modulo 2^64 so that
// its low bits are exact whatever its length.
std::uint64_t LeadingDecimal(const std::string& text) {
    std::size_t p = 0;
    while (p < text.size() && IsSpace(text[p]))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    std::uint64_t value = 0;
    for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p)
        value = value * 10 + static_cast<std::uint64_t>(text[p] - '0');
    return negative ? 0 - value : value;
}

// The leading hexadecimal number of `text` in either case, as the C
// library's strtoul reads it (spaces, an optional sign, an optional 0x; no
// digits give 0). False when the value does not fit in 32 bits.
bool LeadingHex(const std::string& text, std::uint32_t& value) {
    std::size_t p = 0;
    while (p < text.size() && IsSpace(text[p]))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    if (p + 2 < text.size() && text[p] == '0' && (text[p + 1] == 'x' || text[p + 1] == 'X') &&
        HexDigitValue(text[p + 2]) >= 0)
        p += 2;
    std::uint64_t result = 0;
    std::size_t digits = 0;
    for (; p < text.size() && HexDigitValue(text[p]) >= 0; ++p, ++digits) {
        result = (result << 4) | static_cast<std::uint64_t>(HexDigitValue(text[p]));
        if (result > 0xFFFFFFFFu) return false;
    }
    value = digits == 0 ? 0 : static_cast<std::uint32_t>(negative ? 0 - result : result);
    return true;
}

int ReadFormat3Header(std::istream& in, FunctionDataHeader& header) {
    std::string line;
    if (!ReadWholeLine(in, line) || !TakeKey(line, kFileFormatKey)) return kDatBadHeader;
    header.fileFormat = static_cast<std::uint8_t>(LeadingDecimal(line) & 0xFF);
    if (header.fileFormat > kMaxFileFormat) return kDatUnknownFormat;

    const char* keys[] = {kDeviceKey, kFirmwareKey, kBootsectorKey, kDataSizeKey};
    std::string values[4];
    for (int i = 0; i < 4; ++i)
        if (!ReadWholeLine(in, values[i]) || !TakeKey(values[i], keys[i])) return kDatBadHeader;
    std::uint32_t device = 0;
    if (!LeadingHex(values[0], device) || !LeadingHex(values[3], header.dataSize)) return kDatBadHeader;
    header.deviceCode = static_cast<std::uint8_t>(device & 0xFF);
    header.firmware = values[1];
    header.bootsector = values[2];
    SkipLines(in, 2); // padding and "DATA", not checked
    return kDatLoaded;
}

int ReadDataFileHeader(std::istream& in, FunctionDataHeader& header) {
    std::string line;
    if (!ReadWholeLine(in, line)) return kDatBadHeader;
    header.deviceCode = kImpliedDeviceCode;
    if (line == kFormat1SizeLine) {
        header.fileFormat = 1;
        header.dataSize = kFormat1DataSize;
        SkipLines(in, 1);
        return kDatLoaded;
    }
    if (line != kEepromSizeLine) return kDatBadHeader;
    header.fileFormat = 2;
    header.dataSize = kFormat2DataSize;
    SkipLines(in, 1); // I_EEPROM_SIZE, not checked
    Line read = ReadLine(in, line);
    if (read == Line::Cut) return kDatBadHeader;
    if (read == Line::Read) {
        TakeKey(line, kControllerVersionKey); // a line without the key is taken whole
        line.erase(line.find_last_not_of(' ') + 1);
        header.firmware = line;
    }
    SkipLines(in, 3); // DATA_FILE_VERSION, padding, "DATA"
    return kDatLoaded;
}

// Fills `data` (already sized, all 0xFF) from the records, in ascending order.
int ReadRecords(std::istream& in, std::vector<std::uint8_t>& data) {
    const std::size_t size = data.size();
    std::size_t p = 0;
    std::string line;
    while (p < size) {
        if (!ReadWholeLine(in, line)) return kDatBadData;
        std::uint32_t count = 0, offset = 0;
        if (line.size() < kRecordPrefixLength || line[0] != kRecordMark ||
            !ParseHexField(line, 1, 2, count) || !ParseHexField(line, 3, 4, offset))
            return kDatBadData;
        if (offset < p) return kDatBadData; // records overlap or go backwards
        p = std::min<std::size_t>(offset, size);
        std::size_t n = std::min<std::size_t>(count, size - p);
        if (line.size() < kRecordPrefixLength + 2 * n) return kDatBadData;
        if (!DecodeHexBytes(line.data() + kRecordPrefixLength, n, data.data() + p)) return kDatBadData;
        p += n;
    }
    return kDatLoaded;
}

int ReadAll(std::istream& in, FunctionDataHeader& header, std::vector<std::uint8_t>& data) {
    std::string magic;
    if (ReadLine(in, magic) == Line::Cut) return kDatNoMagic;
    int result = kDatNoMagic;
    if (magic == kDatMagic)
        result = ReadFormat3Header(in, header);
    else if (magic == kDataFileMagic)
        result = ReadDataFileHeader(in, header);
    if (result != kDatLoaded) return result;
    // Larger sizes cannot be written again and would only cost memory here.
    if (header.dataSize > kMaxFunctionDataSize) return kDatBadHeader;
    data.assign(header.dataSize, kErasedByte);
    return ReadRecords(in, data);
}

} // namespace

int ReadFunctionData(std::istream& in, FunctionDataHeader& header, std::vector<std::uint8_t>& data) {
    header.Reset();
    data.clear();
    int result = ReadAll(in, header, data);
    if (result != kDatLoaded) {
        header.Reset();
        data.clear();
    }
    return result;
}

} // namespace qbx
