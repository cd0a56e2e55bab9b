#include "core/device_charset.h"

namespace qbx {
namespace {
constexpr std::uint8_t kBlank = 32;
// Device codes.
constexpr std::uint8_t kDegree = 127, kSmallA = 128, kSmallO = 129, kSmallU = 130;
// Windows-1252 codes.
constexpr std::uint8_t kPcDegree = 0xB0, kPcCapitalA = 0xC4, kPcSmallA = 0xE4, kPcCapitalO = 0xD6,
                       kPcSmallO = 0xF6, kPcCapitalU = 0xDC, kPcSmallU = 0xFC;
constexpr bool IsPrintableAscii(std::uint8_t c) {
    return c >= 32 && c <= 126;
}
} // namespace

std::uint8_t ToDeviceChar(std::uint8_t c) {
    if (IsPrintableAscii(c)) return c;
    switch (c) {
    case kPcDegree:
        return kDegree;
    case kPcCapitalA:
    case kPcSmallA:
        return kSmallA;
    case kPcCapitalO:
    case kPcSmallO:
        return kSmallO;
    case kPcCapitalU:
    case kPcSmallU:
        return kSmallU;
    default:
        return kBlank;
    }
}

std::uint8_t FromDeviceChar(std::uint8_t c) {
    if (IsPrintableAscii(c)) return c;
    switch (c) {
    case kDegree:
        return kPcDegree;
    case kSmallA:
        return kPcSmallA;
    case kSmallO:
        return kPcSmallO;
    case kSmallU:
        return kPcSmallU;
    default:
        return kBlank;
    }
}

std::string ToDeviceCharset(const std::string& pcText) {
    std::string out(pcText);
    for (char& c : out)
        c = static_cast<char>(ToDeviceChar(static_cast<std::uint8_t>(c)));
    return out;
}

std::string FromDeviceCharset(const std::string& deviceText) {
    std::string out(deviceText);
    for (char& c : out)
        c = static_cast<char>(FromDeviceChar(static_cast<std::uint8_t>(c)));
    return out;
}

} // namespace qbx
