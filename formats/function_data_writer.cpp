#include "formats/function_data_writer.h"

#include "core/hex_text.h"
#include "formats/function_data_format.h"

#include <algorithm>
#include <cstring>

namespace qbx {
namespace {

// A text goes onto a line of its own as it is. A CR is written and read
// back unchanged (only CR LF ends a line), but a LF would end the line.
bool FitsOnALine(const std::string& text) {
    return text.find('\n') == std::string::npos && std::strlen(kFirmwareKey) + text.size() <= kDatLongestLine;
}

void AppendLine(std::string& out, const std::string& line) {
    out += line;
    out += kDatLineEnd;
}

// The firmware as the format-2 reader will give it back: its first five
// characters without trailing spaces. Writing that form keeps a reloaded
// file byte for byte equal to the saved one.
std::string Format2Firmware(const std::string& firmware) {
    std::string text = firmware.substr(0, kFormat2FirmwareWidth);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

void AppendFormat1Header(std::string& out) {
    AppendLine(out, kDataFileMagic);
    AppendLine(out, kFormat1SizeLine);
    AppendLine(out, "");
}

// Header lines, then a padding line of spaces and "DATA", so that the
// records begin at byte 300; long texts push them further, and the padding
// line then stays empty.
void AppendPaddedHeader(std::string& out, const std::vector<std::string>& lines) {
    long padding = static_cast<long>(kDatHeaderBlockSize) - 2 - static_cast<long>(std::strlen(kDataLine) + 2);
    for (const std::string& line : lines) {
        padding -= static_cast<long>(line.size() + 2);
        AppendLine(out, line);
    }
    AppendLine(out, std::string(padding > 0 ? static_cast<std::size_t>(padding) : 0, ' '));
    AppendLine(out, kDataLine);
}

void AppendFormat2Header(std::string& out, const FunctionDataHeader& header) {
    std::string firmware = Format2Firmware(header.firmware);
    std::string version = firmware.empty() ? std::string(kFormat2FirmwareWidth, ' ') : kDataFileVersion;
    AppendPaddedHeader(
        out, {kDataFileMagic, kEepromSizeLine, kInternalEepromSizeLine,
              kControllerVersionKey + std::string(kFormat2FirmwareWidth - firmware.size(), ' ') + firmware,
              kDataFileVersionKey + version});
}

void AppendFormat3Header(std::string& out, const FunctionDataHeader& header) {
    std::string device, size;
    AppendHex(device, header.deviceCode, 2);
    AppendHexAtLeast(size, header.dataSize, 4);
    AppendPaddedHeader(out, {kDatMagic, kFileFormatKey + std::to_string(header.fileFormat),
                             kDeviceKey + device, kFirmwareKey + header.firmware,
                             kBootsectorKey + header.bootsector, kDataSizeKey + size});
}

void AppendRecords(std::string& out, const std::vector<std::uint8_t>& data) {
    std::size_t size = data.size();
    out.reserve(out.size() + size * 2 + (size / kDatRecordBytes + 1) * (kRecordPrefixLength + 2));
    // Each record is put together in place and appended in one call.
    char record[kRecordPrefixLength + 2 * kDatRecordBytes];
    for (std::size_t p = 0; p < size;) {
        std::size_t count = std::min(kDatRecordBytes, size - p);
        record[0] = kRecordMark;
        PutHexByte(record + 1, static_cast<std::uint8_t>(count));
        PutHexByte(record + 3, static_cast<std::uint8_t>(p >> 8));
        PutHexByte(record + 5, static_cast<std::uint8_t>(p));
        for (std::size_t i = 0; i < count; ++i)
            PutHexByte(record + kRecordPrefixLength + 2 * i, data[p + i]);
        out.append(record, kRecordPrefixLength + 2 * count);
        p += count;
        if (p < size) out += kDatLineEnd;
    }
}

} // namespace

bool FormatFunctionData(const FunctionDataHeader& header, const std::vector<std::uint8_t>& data,
                        std::string& text) {
    if (!FunctionDataLayoutFits(header) || data.size() != header.dataSize) return false;
    if (!FunctionDataTextsFit(header)) return false;
    std::string out;
    switch (header.fileFormat) {
    case 1:
        AppendFormat1Header(out);
        break;
    case 2:
        AppendFormat2Header(out, header);
        break;
    case 3:
        AppendFormat3Header(out, header);
        break;
    default:
        return false;
    }
    AppendRecords(out, data);
    text = std::move(out);
    return true;
}

bool FunctionDataTextsFit(const FunctionDataHeader& header) {
    return FitsOnALine(header.firmware) && FitsOnALine(header.bootsector);
}

bool FunctionDataLayoutFits(const FunctionDataHeader& header) {
    if (header.dataSize > kMaxFunctionDataSize) return false;
    switch (header.fileFormat) {
    case 1:
        return header.deviceCode == kImpliedDeviceCode && header.dataSize == kFormat1DataSize;
    case 2:
        return header.deviceCode == kImpliedDeviceCode && header.dataSize == kFormat2DataSize;
    case 3:
        return true;
    default:
        return false;
    }
}

} // namespace qbx
