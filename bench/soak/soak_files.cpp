#include "bench/soak/soak_files.h"

#include "formats/function_data_image.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace soak {

Bytes DataBytes(std::uint32_t size, std::uint32_t seed) {
    Bytes bytes(size);
    std::uint32_t x = seed | 1u;
    for (auto& byte : bytes) {
        x = x * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(x >> 24);
    }
    return bytes;
}

bool MemoryHolds(const Bytes& memory, const Bytes& expected) {
    for (std::size_t at = 0; at < expected.size(); ++at)
        if (MemoryByte(memory, at) != expected[at]) return false;
    return true;
}

bool WriteWholeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

bool ReadWholeFile(const std::string& path, Bytes& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteDataFile(const std::string& path, const Bytes& bytes, std::uint8_t kind) {
    qbx::FunctionDataImage image;
    qbx::FunctionDataHeader header;
    header.fileFormat = 3;
    header.deviceCode = kind;
    header.firmware = "FW 1.2";
    header.bootsector = "BS 0.9";
    header.dataSize = static_cast<std::uint32_t>(bytes.size());
    return image.Prepare(header) && image.SetBytes(0, bytes.data(), bytes.size()) && image.Save(path);
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool EmptyFolder(const std::string& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        std::filesystem::remove_all(entry.path(), error);
    return FolderEntries(folder).empty();
}

} // namespace soak
