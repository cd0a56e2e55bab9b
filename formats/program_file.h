#pragma once
#include "formats/device_table.h"
#include "formats/text_stream.h"

#include <cstdint>
#include <string>

// Program files (".prg") and firmware files (".frm"): the kind named by the
// first word, the progress total of the single-image layout, and the header
// and image markers of the two-image layout. The images themselves are read
// record by record by CRecordCursor.
namespace qbx {

enum ProgramFileKind : int {
    kNotProgramFile = 0,
    kQrtProgramFile = 1,     // single image for the QRT5130; the welcome page may go in
    kQrtBlupdFile = 2,       // single image for the QRT5130
    kBusViewProgramFile = 3, // single image for the BUS_VIEWER
    kBusViewBlupdFile = 4,   // single image for the BUS_VIEWER
    kTwoImageFile = 5,       // header, program image, boot-sector update image
};

constexpr const char* kTwoImageMagic = "BRAVOLT_PRG_FILE";

// The kind a first word names; anything else is kNotProgramFile.
int ProgramFileKindOf(const std::string& word);
// Reads the first word of `in` (see ScanWord) and returns its kind. A file
// without a word, or with a first word too long for the word buffer, is
// kNotProgramFile.
int ReadProgramFileKind(CTextStream& in);
bool IsSingleImageKind(int kind);
// The device code announced for a single-image kind; 0 for other kinds.
std::uint8_t SingleImageDeviceCode(int kind);
// True when a chosen welcome page goes into the program: only single-image
// QRT5130 program files and two-image files whose DEVICE is exactly QRT5130.
bool WelcomePageApplies(int kind, const std::string& deviceValue);

// Firmware files name the bootloader family they are made for.
// The family a firmware file's first word requires, or 0 for no firmware file.
std::uint8_t FirmwareFamilyOf(const std::string& word);
// Reads the first word of `in` and returns FirmwareFamilyOf it.
std::uint8_t ReadFirmwareFamily(CTextStream& in);

// The progress total after the first word of a single-image program file or
// a firmware file ("%6x"); 0 when there are no digits. It is only ever a
// divisor of the progress display. The stream is left before the records:
// nothing before the first ':' can be one, so reading on from here finds the
// same records as reading from the start.
std::uint32_t ReadProgressTotal(CTextStream& in);

// The values of the two-image header.
struct TwoImageHeader {
    std::string device;                       // line 3, as found
    std::string program;                      // line 4: the program's version text
    std::string bootsector;                   // line 5: the boot sector's version text
    std::uint32_t dataSize = 0;               // line 6: bytes of the program image
    std::uint32_t bsSize = 0;                 // line 7: bytes of the boot sector
    std::uint8_t deviceCode = kDeviceUnknown; // of the DEVICE value
};

// The largest boot sector that is kept in memory during the transfer.
constexpr std::uint32_t kMaxBootSectorSize = 16u * 1024 * 1024;

enum TwoImageHeaderResult : int {
    kHeaderRead = 0,
    kHeaderBadFirstLine = 1,       // line 1 is not exactly kTwoImageMagic
    kHeaderTooShort = 2,           // the file ends within the eight header lines
    kHeaderBootSectorTooLarge = 3, // BS_SIZE above kMaxBootSectorSize
};

// Reads the eight header lines from the start of `in`. The lines are taken by
// position: each value is its line without the characters it shares with its key
// from the start (see HeaderValue). Returns a TwoImageHeaderResult; `header`
// is complete only with kHeaderRead.
int ReadTwoImageHeader(CTextStream& in, TwoImageHeader& header);

// `line` without its longest common prefix with `key`.
std::string HeaderValue(const std::string& line, const std::string& key);

// Twice the program image: the two phases' progress total (32-bit).
std::uint32_t TwoImageProgressTotal(const TwoImageHeader& header);

constexpr const char* kProgramImageMarker = "DATA_PROGRAM_BEGIN";
constexpr const char* kBootSectorImageMarker = "DATA_BSUPD_PROGRAM_BEGIN";

// Reads lines until one that is exactly `marker` (trailing line feeds aside).
// False when the file ends first.
bool SkipToMarker(CTextStream& in, const char* marker);

} // namespace qbx
