#include "sim/state_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "sim/device_text.h"
#include "sim/file_guard.h"

namespace qbx::sim {

namespace {

constexpr int kFormatVersion = 1;
constexpr std::size_t kDataBytesPerLine = 32;
constexpr std::uint32_t kMaxDataSize = 0x1000000; // 24-bit addresses
// What a slot or the device image holds without a header saying more: the
// most a function-data file carries.
constexpr std::uint32_t kDataCapacity = 0xFFFF;
constexpr std::uint32_t kImageCapacity = 0x100000;

// The value of one hexadecimal digit, -1 for anything else. Data lines are
// read and written a digit at a time, without the C library's formatted
// input and output, which would take most of a large state's load and save.
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Pulls the fields of one line apart; every getter fails once one has failed.
class CFields {
  public:
    explicit CFields(const std::string& text) : line(text) {}

    bool Word(std::string& out) {
        SkipBlanks();
        const std::size_t start = pos;
        while (pos < line.size() && line[pos] != ' ')
            ++pos;
        out = line.substr(start, pos - start);
        return ok = ok && !out.empty();
    }
    bool Number(unsigned long& out, int base, unsigned long max) {
        std::string word;
        if (!Word(word)) return false;
        char* end = nullptr;
        errno = 0;
        out = std::strtoul(word.c_str(), &end, base);
        return ok = *end == '\0' && errno == 0 && out <= max && word[0] != '-' && word[0] != '+';
    }
    bool Byte(std::uint8_t& out, int base = 16) {
        unsigned long value = 0;
        if (!Number(value, base, 0xFF)) return false;
        out = static_cast<std::uint8_t>(value);
        return true;
    }
    bool Text(std::uint8_t* field, std::size_t width) {
        return ok = ok && UnquoteDeviceText(line, pos, field, width);
    }
    bool Address(CAddress& out) {
        std::string word;
        if (!Word(word)) return false;
        unsigned a = 0, b = 0, c = 0, d = 0;
        char extra = 0;
        if (std::sscanf(word.c_str(), "%u.%u.%u.%u%c", &a, &b, &c, &d, &extra) != 4 || a > 255 || b > 255 ||
            c > 255 || d > 255)
            return ok = false;
        out = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(c),
               static_cast<std::uint8_t>(d)};
        return true;
    }
    bool Hex(CBytes& out) {
        std::string word;
        if (!Word(word) || word.size() % 2 != 0) return ok = false;
        const std::size_t at = out.size();
        out.resize(at + word.size() / 2);
        for (std::size_t i = 0; i < word.size(); i += 2) {
            const int high = HexDigit(word[i]);
            const int low = HexDigit(word[i + 1]);
            if (high < 0 || low < 0) return ok = false;
            out[at + i / 2] = static_cast<std::uint8_t>(high << 4 | low);
        }
        return true;
    }
    // True when every field was read and nothing follows.
    bool Done() {
        SkipBlanks();
        return ok && pos == line.size();
    }

  private:
    void SkipBlanks() {
        while (pos < line.size() && line[pos] == ' ')
            ++pos;
    }

    const std::string& line;
    std::size_t pos = 0;
    bool ok = true;
};

bool ReadHeader(CFields& fields, CHeaderRecord& header, bool withDescription) {
    unsigned long size = 0;
    fields.Byte(header.status);
    fields.Byte(header.kind);
    fields.Text(header.textA.data(), header.textA.size());
    fields.Text(header.textB.data(), header.textB.size());
    fields.Number(size, 16, kMaxDataSize - 1);
    header.size = static_cast<std::uint32_t>(size);
    if (withDescription) fields.Text(header.description.data(), header.description.size());
    return fields.Done();
}

// Data lines carry ascending offsets; a gap reads as erased memory (0xFF).
// They end within what the memory holds: the size its header gives, or the
// capacity of function data when that is more.
bool ReadData(CFields& fields, CBytes& data, const CHeaderRecord& header, std::string& reason) {
    unsigned long offset = 0;
    CBytes bytes;
    if (!fields.Number(offset, 16, kMaxDataSize - 1) || !fields.Hex(bytes) || !fields.Done()) return false;
    if (offset < data.size()) {
        reason = "data offsets must ascend";
        return false;
    }
    const std::uint32_t holds = std::max(header.size, kDataCapacity);
    if (offset + bytes.size() > holds) {
        char text[96];
        std::snprintf(text, sizeof text, "data reach past 0x%X, the size this memory holds", holds);
        reason = text;
        return false;
    }
    data.resize(offset, 0xFF);
    data.insert(data.end(), bytes.begin(), bytes.end());
    return true;
}

// A received update image holds what its short header announced, or up to a
// megabyte for phases whose size came from an option.
bool ReadImageData(CFields& fields, CBytes& data, const CHeaderRecord& shortHeader, std::string& reason) {
    CHeaderRecord bound = shortHeader;
    bound.size = std::max(shortHeader.size, kImageCapacity);
    return ReadData(fields, data, bound, reason);
}

// Only the update phases keep an image (as the LINKBOX keeps only HTML and
// GIF pages): any other code would let a few bytes of state claim a megabyte.
bool IsImagePhase(std::uint8_t code) {
    return code == kCmdOsImage || code == kCmdOsBootSector || code == kCmdFirmwareUpdate;
}

bool ReadSlotNumber(CFields& fields, int& number) {
    unsigned long value = 0;
    if (!fields.Number(value, 10, kSlotCount) || !CDeviceState::IsSlotNumber(static_cast<int>(value)))
        return false;
    number = static_cast<int>(value);
    return true;
}

bool ReadLine(const std::string& line, CDeviceState& state, bool& sawFormat, std::string& reason) {
    CFields fields(line);
    std::string key;
    fields.Word(key);
    int slot = 0;
    unsigned long number = 0;
    if (key == "format")
        return fields.Number(number, 10, 99) && fields.Done() && (sawFormat = number == kFormatVersion);
    if (!sawFormat) return false;
    if (key == "mode") return fields.Byte(state.mode) && fields.Done();
    if (key == "config") return fields.Byte(state.configByte) && fields.Done();
    if (key == "network") {
        CNetworkRecord& net = state.network;
        unsigned long word1 = 0, word2 = 0;
        fields.Address(net.address1);
        fields.Address(net.address2);
        fields.Address(net.address3);
        fields.Byte(net.parameterByte, 10);
        fields.Number(word1, 10, 0xFFFF);
        fields.Number(word2, 10, 0xFFFF);
        net.parameterWord1 = static_cast<std::uint16_t>(word1);
        net.parameterWord2 = static_cast<std::uint16_t>(word2);
        return fields.Done();
    }
    if (key == "device") return ReadHeader(fields, state.deviceHeader, true);
    if (key == "device-data") return ReadData(fields, state.deviceImage, state.deviceHeader, reason);
    if (key == "short") return ReadHeader(fields, state.shortHeader, false);
    if (key == "slot")
        return ReadSlotNumber(fields, slot) && ReadHeader(fields, state.Slot(slot).header, true);
    if (key == "slot-data")
        return ReadSlotNumber(fields, slot) &&
               ReadData(fields, state.Slot(slot).data, state.Slot(slot).header, reason);
    if (key == "page-data") {
        std::uint8_t type = 0;
        CHeaderRecord bound;
        bound.size = kMaxWebPageSize;
        return fields.Byte(type, 10) && (type == kWebPageHtml || type == kWebPageGif) &&
               ReadData(fields, state.pages[type], bound, reason);
    }
    if (key == "image-data") {
        std::uint8_t code = 0;
        return fields.Byte(code) && IsImagePhase(code) &&
               ReadImageData(fields, state.images[code], state.shortHeader, reason);
    }
    return false;
}

std::string HeaderText(const CHeaderRecord& header, bool withDescription) {
    char numbers[32];
    std::snprintf(numbers, sizeof numbers, "%02X %02X ", header.status, header.kind);
    std::string text = numbers + QuoteDeviceText(header.textA.data(), header.textA.size()) + " " +
                       QuoteDeviceText(header.textB.data(), header.textB.size());
    std::snprintf(numbers, sizeof numbers, " %06X", static_cast<unsigned>(header.size));
    text += numbers;
    if (withDescription) text += " " + QuoteDeviceText(header.description.data(), header.description.size());
    return text;
}

// A line is put together in place: the simulator rewrites its state after
// every change, and an OS image is tens of thousands of these lines.
void WriteData(std::ostream& out, const std::string& prefix, const CBytes& data) {
    static const char kDigits[] = "0123456789ABCDEF";
    char line[16 + 2 * kDataBytesPerLine + 1];
    for (std::size_t at = 0; at < data.size(); at += kDataBytesPerLine) {
        int length = std::snprintf(line, 16, "%04X ", static_cast<unsigned>(at));
        const std::size_t end = std::min(data.size(), at + kDataBytesPerLine);
        for (std::size_t i = at; i < end; ++i) {
            line[length++] = kDigits[data[i] >> 4];
            line[length++] = kDigits[data[i] & 0xF];
        }
        line[length++] = '\n';
        out << prefix;
        out.write(line, length);
    }
}

std::string AddressText(const CAddress& a) {
    return std::to_string(a[0]) + "." + std::to_string(a[1]) + "." + std::to_string(a[2]) + "." +
           std::to_string(a[3]);
}

} // namespace

bool ParseNetworkFields(const std::string& fields, CNetworkRecord& network) {
    CDeviceState state;
    bool sawFormat = true;
    std::string reason;
    if (!ReadLine("network " + fields, state, sawFormat, reason)) return false;
    network = state.network;
    return true;
}

int LoadStateFile(const std::string& path, CDeviceState& state, int& badLine, std::string* why) {
    badLine = 0;
    std::string reason;
    std::ifstream in(path);
    if (!in) return errno == ENOENT ? kStateMissing : kStateUnreadable;
    std::string line;
    bool sawFormat = false;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos || line[first] == '#') continue;
        if (!ReadLine(line, state, sawFormat, reason)) {
            badLine = number;
            if (why) *why = reason.empty() ? "not understood" : reason;
            return kStateMalformed;
        }
    }
    return in.bad() ? kStateUnreadable : kStateLoaded;
}

bool SaveStateFile(const std::string& path, const CDeviceState& state) {
    std::ostringstream out;
    char byte[8];
    out << "# qbx-sim device state, rewritten after every change (format: sim/README.md)\n";
    out << "format " << kFormatVersion << '\n';
    std::snprintf(byte, sizeof byte, "%02X", state.mode);
    out << "mode " << byte << '\n';
    std::snprintf(byte, sizeof byte, "%02X", state.configByte);
    out << "config " << byte << '\n';
    const CNetworkRecord& net = state.network;
    out << "network " << AddressText(net.address1) << ' ' << AddressText(net.address2) << ' '
        << AddressText(net.address3) << ' ' << unsigned{net.parameterByte} << ' ' << net.parameterWord1 << ' '
        << net.parameterWord2 << '\n';
    out << "device " << HeaderText(state.deviceHeader, true) << '\n';
    WriteData(out, "device-data ", state.deviceImage);
    out << "short " << HeaderText(state.shortHeader, false) << '\n';
    for (int n = 1; n <= kSlotCount; ++n) {
        out << "slot " << n << ' ' << HeaderText(state.Slot(n).header, true) << '\n';
        WriteData(out, "slot-data " + std::to_string(n) + " ", state.Slot(n).data);
    }
    for (const auto& [code, image] : state.images) {
        std::snprintf(byte, sizeof byte, "%02X", code);
        WriteData(out, "image-data " + std::string(byte) + " ", image);
    }
    for (const auto& [type, page] : state.pages)
        WriteData(out, "page-data " + std::to_string(type) + " ", page);
    return out && ReplaceFile(path, out.str());
}

} // namespace qbx::sim
