#pragma once
#include "formats/function_data_header.h"

#include <cstddef>
#include <cstdint>

// The ".dat" text layouts, named once for the reader and the writer.
namespace qbx {

constexpr const char* kDatMagic = "BRAVOLT_DAT_FILE";       // format 3
constexpr const char* kDataFileMagic = "BRAVOLT_DATA_FILE"; // formats 1 and 2

// Format 3 keys: 13 characters each, all ending in ": " at the same column.
constexpr const char* kFileFormatKey = "FILE_FORMAT: ";
constexpr const char* kDeviceKey = "     DEVICE: ";
constexpr const char* kFirmwareKey = "   FIRMWARE: ";
constexpr const char* kBootsectorKey = " BOOTSECTOR: ";
constexpr const char* kDataSizeKey = "  DATA_SIZE: ";
constexpr const char* kDataLine = "DATA";

constexpr const char* kFormat1SizeLine = "7FFF";
constexpr const char* kEepromSizeLine = "       EEPROM_SIZE: 7FFF";
constexpr const char* kInternalEepromSizeLine = "     I_EEPROM_SIZE: 03FF";
constexpr const char* kControllerVersionKey = "CONTROLLER_VERSION: ";
constexpr const char* kDataFileVersionKey = " DATA_FILE_VERSION: ";
constexpr const char* kDataFileVersion = "D1.00";
constexpr std::size_t kFormat2FirmwareWidth = 5;

// In formats 2 and 3 the records begin at this byte offset of the file.
constexpr std::size_t kDatHeaderBlockSize = 300;
constexpr std::size_t kDatRecordBytes = 32;
constexpr const char* kDatLineEnd = "\r\n";
constexpr char kRecordMark = ':';
constexpr std::size_t kRecordPrefixLength = 7; // ':' + count(2) + offset(4)
// The longest line the reader takes, without its line end. A record needs at
// most 7 + 2 * 255 characters and a header line its key and a short text; a
// longer line is none of them, and the writer writes none.
constexpr std::size_t kDatLongestLine = 4096;

constexpr std::uint8_t kMaxFileFormat = 3;
constexpr std::uint8_t kImpliedDeviceCode = 0x80;
constexpr std::uint32_t kFormat1DataSize = 0x8000;
constexpr std::uint32_t kFormat2DataSize = 0x8400;
// Record offsets have four hexadecimal digits, so larger images cannot be
// written and are refused everywhere.
constexpr std::uint32_t kMaxFunctionDataSize = 0xFFFF;
constexpr std::uint8_t kErasedByte = 0xFF;

// Load results of FunctionDataImage::Load.
enum FunctionDataLoadResult : int {
    kDatLoaded = 0,
    kDatCannotOpen = 1,
    kDatNoMagic = 2,       // line 1 is neither magic
    kDatUnknownFormat = 3, // FILE_FORMAT above 3
    kDatBadHeader = 4,     // a header line without its key, or an unusable value
    kDatBadData = 5,       // the records are short or malformed
};

// True when the header's layout can carry an image of this header without
// losing anything the reader would need: formats 1 and 2 imply device code
// 0x80 and their fixed sizes, so an image of another size or device would not
// load back as it was saved. Sizes above kMaxFunctionDataSize never fit.
bool FunctionDataLayoutFits(const FunctionDataHeader& header);

// True when the firmware and bootsector texts can be written and read back
// unchanged: no line feed, and lines no longer than the reader takes.
bool FunctionDataTextsFit(const FunctionDataHeader& header);

} // namespace qbx
