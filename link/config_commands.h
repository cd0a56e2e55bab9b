#pragma once
#include "link/network_settings.h"
#include "link/transport.h"

#include <cstdint>

namespace qbx {

// The bootloader's own configuration byte and the LINKBOX's network
// settings. Each returns false once every attempt has failed and changes the
// caller's value only after a complete answer with a matching sum.

bool ReadConfigByte(CTransport& transport, std::uint8_t& value);
// True only when the device echoes the value it was sent.
bool WriteConfigByte(CTransport& transport, std::uint8_t value);

bool ReadNetworkSettings(CTransport& transport, NetworkSettings& settings);
bool WriteNetworkSettings(CTransport& transport, const NetworkSettings& settings);

} // namespace qbx
