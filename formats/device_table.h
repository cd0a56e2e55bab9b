#pragma once
#include <cstdint>
#include <string>

namespace qbx {

// The one-byte codes announced to the bootloader for the device an operating
// system is meant for.
constexpr std::uint8_t kDeviceQrt5130 = 0x80;
constexpr std::uint8_t kDeviceBusViewer = 0x81;
constexpr std::uint8_t kDeviceBusPortA = 0x82;
constexpr std::uint8_t kDeviceBusPortB = 0x83;
constexpr std::uint8_t kDeviceBusGate = 0x84;
constexpr std::uint8_t kDeviceBusMeter = 0x85;
constexpr std::uint8_t kDeviceUnknown = 0; // announced as it is; the device decides

constexpr const char* kQrt5130Name = "QRT5130";

// The code of a device name, compared exactly (case and blanks count).
std::uint8_t DeviceCodeOf(const std::string& name);
// The name of a code, or empty for a code the table does not hold.
std::string DeviceNameOf(std::uint8_t code);

} // namespace qbx
