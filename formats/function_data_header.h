#pragma once
#include <cstdint>
#include <string>

namespace qbx {

// Which controller and firmware a function-data image belongs to, and how
// many data bytes it has. Texts hold single-byte Windows-1252 bytes as found.
struct FunctionDataHeader {
    std::uint8_t fileFormat = 0; // layout generation 1, 2 or 3; 0 after Reset
    std::uint8_t deviceCode = 0; // 0x80 for the controllers of formats 1 and 2
    std::string firmware;        // empty in format 1
    std::string bootsector;      // empty in formats 1 and 2
    std::uint32_t dataSize = 0;  // used as a 16-bit count

    void Reset() { *this = FunctionDataHeader(); }
};

} // namespace qbx
