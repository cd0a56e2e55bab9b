#pragma once
#include "link/network_settings.h"
#include "operations/connection.h"

#include <cstdint>
#include <functional>

namespace qbx {

// The entries of the configuration list (value k + 1 for entry k).
inline constexpr int kConfigurationChoices = 8;

// What the bootloader keeps of its own: the configuration byte, and on a
// LINKBOX its network settings.
struct BootloaderConfig {
    std::uint8_t configByte = 0;
    bool hasNetwork = false;
    NetworkSettings network;
};

// Lets the person change the values read; false leaves the bootloader as it
// is. Runs while the link is closed.
using EditBootloaderConfig = std::function<bool(BootloaderConfig&)>;

enum class BootloaderSettingsResult {
    Written,   // the edited values are in the bootloader
    Unchanged, // the person declined the mode switch or the edit; no message
    Failed,    // its message was shown
};

// Reads the bootloader's settings over the link `options.settings` names,
// closes the link, lets `edit` change them and writes them back over the
// same transport (group 5, operations/bootloader_mode_messages.h). A
// mode-switching bootloader is first switched to the transfer mode with the
// person's consent.
BootloaderSettingsResult RunBootloaderSettings(COperationHost& host, const ConnectOptions& options,
                                               const EditBootloaderConfig& edit);

// The limits of the number fields: a parameter byte above 255 is kept as
// 255, a word above 65535 as 65535; a negative number as 0.
std::uint8_t ClampParameterByte(long long value);
std::uint16_t ClampParameterWord(long long value);

} // namespace qbx
