#include "formats/program_file.h"

#include "core/device_families.h"
#include "formats/scan_conversions.h"

namespace qbx {
namespace {

constexpr int kProgressTotalDigits = 6;

constexpr struct {
    const char* word;
    int kind;
} kProgramWords[] = {
    {"BRAVOLT_PROGRAM_FILE", kQrtProgramFile},
    {"BRAVOLT_BLUPD_FILE", kQrtBlupdFile},
    {"BRAVOLT_BUSVIEW_PROGRAM_FILE", kBusViewProgramFile},
    {"BRAVOLT_BUSVIEW_BLUPD_FILE", kBusViewBlupdFile},
    {kTwoImageMagic, kTwoImageFile},
};

constexpr struct {
    const char* word;
    std::uint8_t family;
} kFirmwareWords[] = {
    {"BRAVOLT_FIRMWARE_FILE", device::kSerialFamily},
    {"BRAVOLT_LINKBOX_FIRMWARE_FILE", device::kNetworkFamily},
};

// The header lines in their order; lines 1, 2 and 8 are not used.
enum HeaderLine {
    kMagicLine,
    kFileFormatLine,
    kDeviceLine,
    kProgramLine,
    kBootsectorLine,
    kDataSizeLine,
    kBsSizeLine,
    kDataFormatLine,
    kHeaderLines
};
constexpr const char* kHeaderKeys[kHeaderLines] = {
    kTwoImageMagic,  "FILE_FORMAT: ", "     DEVICE: ", "    PROGRAM: ",
    " BOOTSECTOR: ", "  DATA_SIZE: ", "    BS_SIZE: ", "DATA_FORMAT: ",
};

bool ReadFirstWord(CTextStream& in, std::string& word) {
    return ScanWord(in, word) == kScanMatched;
}

} // namespace

int ProgramFileKindOf(const std::string& word) {
    for (const auto& entry : kProgramWords)
        if (word == entry.word) return entry.kind;
    return kNotProgramFile;
}

int ReadProgramFileKind(CTextStream& in) {
    std::string word;
    return ReadFirstWord(in, word) ? ProgramFileKindOf(word) : kNotProgramFile;
}

bool IsSingleImageKind(int kind) {
    return kind >= kQrtProgramFile && kind <= kBusViewBlupdFile;
}

std::uint8_t SingleImageDeviceCode(int kind) {
    switch (kind) {
    case kQrtProgramFile:
    case kQrtBlupdFile:
        return kDeviceQrt5130;
    case kBusViewProgramFile:
    case kBusViewBlupdFile:
        return kDeviceBusViewer;
    default:
        return kDeviceUnknown;
    }
}

bool WelcomePageApplies(int kind, const std::string& deviceValue) {
    return kind == kQrtProgramFile || (kind == kTwoImageFile && deviceValue == kQrt5130Name);
}

std::uint8_t FirmwareFamilyOf(const std::string& word) {
    for (const auto& entry : kFirmwareWords)
        if (word == entry.word) return entry.family;
    return 0;
}

std::uint8_t ReadFirmwareFamily(CTextStream& in) {
    std::string word;
    return ReadFirstWord(in, word) ? FirmwareFamilyOf(word) : 0;
}

std::uint32_t ReadProgressTotal(CTextStream& in) {
    std::uint32_t total = 0;
    ScanHex(in, kProgressTotalDigits, total);
    return total;
}

std::string HeaderValue(const std::string& line, const std::string& key) {
    std::size_t shared = 0;
    while (shared < line.size() && shared < key.size() && line[shared] == key[shared])
        ++shared;
    return line.substr(shared);
}

int ReadTwoImageHeader(CTextStream& in, TwoImageHeader& header) {
    header = TwoImageHeader();
    std::string values[kHeaderLines];
    for (int i = 0; i < kHeaderLines; ++i) {
        std::string line;
        if (!ReadLine(in, line)) return i == kMagicLine ? kHeaderBadFirstLine : kHeaderTooShort;
        StripLineFeeds(line);
        if (i == kMagicLine && line != kTwoImageMagic) return kHeaderBadFirstLine;
        values[i] = HeaderValue(line, kHeaderKeys[i]);
    }
    header.device = values[kDeviceLine];
    header.deviceCode = DeviceCodeOf(header.device);
    header.program = values[kProgramLine];
    header.bootsector = values[kBootsectorLine];
    header.dataSize = ParseHex32(values[kDataSizeLine]);
    header.bsSize = ParseHex32(values[kBsSizeLine]);
    if (header.bsSize > kMaxBootSectorSize) return kHeaderBootSectorTooLarge;
    return kHeaderRead;
}

std::uint32_t TwoImageProgressTotal(const TwoImageHeader& header) {
    return 2u * header.dataSize;
}

bool SkipToMarker(CTextStream& in, const char* marker) {
    std::string line;
    while (ReadLine(in, line)) {
        StripLineFeeds(line);
        if (line == marker) return true;
    }
    return false;
}

} // namespace qbx
