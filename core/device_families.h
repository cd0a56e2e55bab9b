#pragma once
#include <cstdint>

// The bootloader families, as the identification answer names them and as
// firmware files and the LINKBOX's own data image are made for them.
namespace qbx::device {

inline constexpr std::uint8_t kSerialFamily = 0xA2;
inline constexpr std::uint8_t kNetworkFamily = 0xA3; // LINKBOX
// Serial bootloaders that may be in another mode than transfer mode.
inline constexpr std::uint8_t kModeSwitchingA = 0xA8;
inline constexpr std::uint8_t kModeSwitchingB = 0xD1;

} // namespace qbx::device
