#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The files a soak transfer sends or finds, and what a transfer leaves in
// its folder.
namespace soak {

using Bytes = std::vector<std::uint8_t>;

// `size` bytes that differ from transfer to transfer and from address to
// address, so that a block served from the wrong place shows.
Bytes DataBytes(std::uint32_t size, std::uint32_t seed);

// The byte at `at` of a device memory that holds `bytes`: erased (0xFF) past them.
inline std::uint8_t MemoryByte(const Bytes& bytes, std::size_t at) {
    return at < bytes.size() ? bytes[at] : 0xFF;
}
// True when the first `size` bytes of the memory equal `expected`.
bool MemoryHolds(const Bytes& memory, const Bytes& expected);

bool WriteWholeFile(const std::string& path, const Bytes& bytes);
// The file's bytes; false when it cannot be read.
bool ReadWholeFile(const std::string& path, Bytes& bytes);

// A function-data file (format 3) of `kind` holding `bytes`.
bool WriteDataFile(const std::string& path, const Bytes& bytes, std::uint8_t kind);

// The names in `folder`, sorted.
std::vector<std::string> FolderEntries(const std::string& folder);
// Removes every entry of `folder`; false when one stays.
bool EmptyFolder(const std::string& folder);

} // namespace soak
