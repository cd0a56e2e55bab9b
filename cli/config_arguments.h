#pragma once
#include "operations/bootloader_settings.h"

#include <optional>
#include <string>
#include <vector>

namespace qbx {

// The changes `qbx config set` asks for: config=N (a list entry, 1 to
// kConfigurationChoices), address1..3=A.B.C.D, byte=N, word1=N, word2=N.
// Numbers above a field's limit are clamped as the dialog does.
struct ConfigChanges {
    std::optional<std::uint8_t> configByte;
    std::optional<std::array<std::uint8_t, 4>> address[3];
    std::optional<std::uint8_t> parameterByte;
    std::optional<std::uint16_t> parameterWord1;
    std::optional<std::uint16_t> parameterWord2;

    bool TouchesNetwork() const;
    void ApplyTo(BootloaderConfig& config) const;
};

// False with the reason when an argument is not KEY=VALUE of a known key
// with a usable value, or when there is none.
bool ParseConfigChanges(const std::vector<std::string>& arguments, ConfigChanges& changes,
                        std::string& reason);

} // namespace qbx
