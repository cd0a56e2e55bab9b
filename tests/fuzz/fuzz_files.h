#pragma once
#include <cstdint>
#include <string>

// The files the receive paths send from: small, valid, made once per
// process in WorkFolder.
namespace qbx::fuzz {

// A function-data file of `size` bytes for device `deviceCode` (format 3).
std::string FunctionDataFile(const std::string& name, std::uint8_t deviceCode, std::uint32_t size);
// Intel HEX records of `size` pattern bytes from `address`, 32 to a record,
// with an extended linear address record first and the end record last.
std::string HexImage(std::uint32_t address, std::uint32_t size);
// A single-image program or firmware file whose first word is `magic`.
std::string SingleImageFile(const std::string& name, const std::string& magic, std::uint32_t size);
// A two-image program file for `device`.
std::string TwoImageFile(const std::string& name, const std::string& device, std::uint32_t dataSize,
                         std::uint32_t bsSize);
// A welcome-page file of 88 characters.
std::string WelcomePageFile(const std::string& name);
// A file holding `text`.
std::string TextFile(const std::string& name, const std::string& text);

} // namespace qbx::fuzz
