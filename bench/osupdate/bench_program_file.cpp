#include "bench/osupdate/bench_program_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace bench {
namespace {

constexpr int kRecordBytes = 16;
constexpr std::uint32_t kSegmentBytes = 0x10000;
constexpr std::uint8_t kData = 0x00, kEndOfFile = 0x01, kLinearAddress = 0x04;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::vector<std::uint8_t> BenchImage(std::uint32_t size) {
    std::vector<std::uint8_t> image(size);
    std::uint32_t x = 0x5A17u;
    for (auto& byte : image) {
        x = x * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(x >> 24);
    }
    return image;
}

std::string HexRecord(std::uint8_t type, std::uint16_t address, const std::uint8_t* bytes, int count) {
    char field[16];
    std::snprintf(field, sizeof field, ":%02X%04X%02X", count, address, type);
    std::string line = field;
    unsigned sum = static_cast<unsigned>(count) + (address >> 8) + (address & 0xFFu) + type;
    for (int i = 0; i < count; ++i) {
        std::snprintf(field, sizeof field, "%02X", bytes[i]);
        line += field;
        sum += bytes[i];
    }
    std::snprintf(field, sizeof field, "%02X\r\n", (0x100u - (sum & 0xFFu)) & 0xFFu);
    return line + field;
}

bool WriteBenchProgramFile(const std::string& path, const std::vector<std::uint8_t>& image,
                           const char* magic) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    bool ok = std::fprintf(file.get(), "%s %X\r\n", magic, static_cast<unsigned>(image.size())) > 0;
    const auto size = static_cast<std::uint32_t>(image.size());
    for (std::uint32_t address = 0; ok && address < size; address += kRecordBytes) {
        std::string lines;
        if (address % kSegmentBytes == 0) {
            const std::uint8_t upper[2] = {static_cast<std::uint8_t>(address >> 24),
                                           static_cast<std::uint8_t>(address >> 16)};
            lines = HexRecord(kLinearAddress, 0, upper, 2);
        }
        const int count = static_cast<int>(std::min<std::uint32_t>(kRecordBytes, size - address));
        lines += HexRecord(kData, static_cast<std::uint16_t>(address), image.data() + address, count);
        ok = std::fputs(lines.c_str(), file.get()) >= 0;
    }
    ok = ok && std::fputs(HexRecord(kEndOfFile, 0, nullptr, 0).c_str(), file.get()) >= 0;
    return std::fclose(file.release()) == 0 && ok;
}

} // namespace bench
