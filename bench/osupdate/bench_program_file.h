#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The OS update benchmark's own program files, made at bench time: a
// single-image "BRAVOLT_PROGRAM_FILE" whose Intel HEX data records carry 16
// bytes each, with an extended linear address record in front of every
// 64 KiB, and an end-of-file record.
namespace bench {

// Bytes that differ from address to address, so that a byte served from the
// wrong place shows.
std::vector<std::uint8_t> BenchImage(std::uint32_t size);

// One record line with its checksum and CR LF, as the tools that make
// program files write it.
std::string HexRecord(std::uint8_t type, std::uint16_t address, const std::uint8_t* bytes, int count);

// Writes `image` as a program file to `path`, a line at a time; the progress
// total is the image's size. `magic` names the file's kind; a firmware file
// has the same layout. False when the file cannot be written whole.
bool WriteBenchProgramFile(const std::string& path, const std::vector<std::uint8_t>& image,
                           const char* magic = "BRAVOLT_PROGRAM_FILE");

} // namespace bench
