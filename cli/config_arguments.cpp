#include "cli/config_arguments.h"

#include <cstdio>

namespace qbx {
namespace {

// Decimal digits only; larger than any field so that clamping can tell.
bool ParseDigits(const std::string& text, long long& value) {
    if (text.empty() || text.size() > 12) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

bool ParseAddress(const std::string& text, std::array<std::uint8_t, 4>& out) {
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t dot = text.find('.', start);
        if ((i < 3) != (dot != std::string::npos)) return false;
        long long octet = 0;
        if (!ParseDigits(text.substr(start, dot == std::string::npos ? std::string::npos : dot - start),
                         octet) ||
            octet > 255)
            return false;
        out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(octet);
        start = dot + 1;
    }
    return true;
}

bool ApplyArgument(const std::string& key, const std::string& value, ConfigChanges& changes) {
    long long number = 0;
    if (key.size() == 8 && key.rfind("address", 0) == 0 && key[7] >= '1' && key[7] <= '3') {
        std::array<std::uint8_t, 4> address{};
        if (!ParseAddress(value, address)) return false;
        changes.address[key[7] - '1'] = address;
        return true;
    }
    if (!ParseDigits(value, number)) return false;
    if (key == "config") {
        if (number < 1 || number > kConfigurationChoices) return false;
        changes.configByte = static_cast<std::uint8_t>(number);
    } else if (key == "byte") {
        changes.parameterByte = ClampParameterByte(number);
    } else if (key == "word1") {
        changes.parameterWord1 = ClampParameterWord(number);
    } else if (key == "word2") {
        changes.parameterWord2 = ClampParameterWord(number);
    } else {
        return false;
    }
    return true;
}

} // namespace

bool ConfigChanges::TouchesNetwork() const {
    return address[0] || address[1] || address[2] || parameterByte || parameterWord1 || parameterWord2;
}

void ConfigChanges::ApplyTo(BootloaderConfig& config) const {
    if (configByte) config.configByte = *configByte;
    NetworkSettings& net = config.network;
    if (address[0]) net.address1 = *address[0];
    if (address[1]) net.address2 = *address[1];
    if (address[2]) net.address3 = *address[2];
    if (parameterByte) net.parameterByte = *parameterByte;
    if (parameterWord1) net.parameterWord1 = *parameterWord1;
    if (parameterWord2) net.parameterWord2 = *parameterWord2;
}

bool ParseConfigChanges(const std::vector<std::string>& arguments, ConfigChanges& changes,
                        std::string& reason) {
    if (arguments.empty()) {
        reason = "config set needs KEY=VALUE";
        return false;
    }
    for (const std::string& argument : arguments) {
        const std::size_t equals = argument.find('=');
        if (equals == std::string::npos ||
            !ApplyArgument(argument.substr(0, equals), argument.substr(equals + 1), changes)) {
            reason = "not a setting: " + argument;
            return false;
        }
    }
    return true;
}

} // namespace qbx
