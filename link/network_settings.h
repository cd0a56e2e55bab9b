#pragma once
#include <array>
#include <cstdint>

namespace qbx {

// The LINKBOX's network configuration. Addresses hold their octets in the
// order they are written (192.168.0.1 is {192, 168, 0, 1}).
struct NetworkSettings {
    std::array<std::uint8_t, 4> address1{};
    std::array<std::uint8_t, 4> address2{};
    std::array<std::uint8_t, 4> address3{};
    std::uint8_t parameterByte = 0;
    std::uint16_t parameterWord1 = 0;
    std::uint16_t parameterWord2 = 0;
};

// The 17-byte wire form: each address with its last octet first, the byte,
// then the two words least significant byte first.
void EncodeNetworkSettings(const NetworkSettings& settings, std::uint8_t* out);
NetworkSettings DecodeNetworkSettings(const std::uint8_t* in);

} // namespace qbx
