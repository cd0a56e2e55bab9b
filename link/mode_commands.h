#pragma once
#include "link/transport.h"

#include <cstdint>

namespace qbx {

// Results of QueryMode.
inline constexpr int kModeAnswered = 0;
inline constexpr int kModeNoAnswer = 1;

// Results of SwitchMode.
inline constexpr int kSwitchDone = 0;
inline constexpr int kSwitchNoAnswer = 1;
inline constexpr int kSwitchRefused = 2;

// Asks the bootloader for its operating mode; `mode` is 0 unless it answers.
int QueryMode(CTransport& transport, std::uint8_t& mode);

// Asks a mode-switching bootloader for the transfer mode (0xC0), then gives
// it two seconds to restart in it. Callers confirm with QueryMode.
int SwitchMode(CTransport& transport);

} // namespace qbx
