#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "sim/wire_bytes.h"

// Texts stored in the device use its own character set: 32..126 as ASCII,
// 127 degree sign, 128..130 the small umlauts. The state file shows them as
// UTF-8 so that a person can read and edit it.
namespace qbx::sim {

constexpr std::uint8_t kDeviceDegree = 127;
constexpr std::uint8_t kDeviceSmallA = 128; // a umlaut
constexpr std::uint8_t kDeviceSmallO = 129; // o umlaut
constexpr std::uint8_t kDeviceSmallU = 130; // u umlaut
constexpr std::uint8_t kDeviceBlank = 32;

// A text typed by a person (UTF-8) in the device character set, as the
// program would store it: capital umlauts become small ones, anything the
// device cannot show becomes a blank.
CBytes DeviceTextFromUtf8(const std::string& text);

// The field as a double-quoted state-file text. Trailing zero bytes are left
// out; '"' and '\' are escaped, the device's special characters written as
// UTF-8, and every other byte outside 32..126 as \xNN, so nothing is lost.
std::string QuoteDeviceText(const std::uint8_t* field, std::size_t width);

// Reads a quoted text starting at `pos` (leading blanks skipped) into
// `field`, zero-padded to `width`. Advances `pos` past the closing quote.
// False when it is malformed or longer than the field.
bool UnquoteDeviceText(const std::string& line, std::size_t& pos, std::uint8_t* field, std::size_t width);

} // namespace qbx::sim
