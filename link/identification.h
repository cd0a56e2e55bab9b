#pragma once
#include "link/transport.h"

#include <array>
#include <cstdint>
#include <string>

namespace qbx {

// Which bootloader answered and which firmware it runs.
struct BootloaderId {
    std::uint8_t family = 0;  // 0xA2 serial family, 0xA3 LINKBOX, else as sent
    std::uint8_t rawType = 0; // the type byte exactly as sent
    std::uint8_t version = 0; // tenths for 0xA2, hundredths for 0xA3; 0 = none reported
};

// Why CheckBootloader refused, with the type and version the bootloader sent.
enum BootloaderRefusalReason : int {
    kRefusedNone = 0,
    kRefusedType = 1,    // neither the serial family nor a LINKBOX
    kRefusedVersion = 2, // firmware older than the family's minimum
};
struct BootloaderRefusal {
    int reason = kRefusedNone;
    std::uint8_t type = 0;
    std::uint8_t version = 0;
};

// Results of CheckBootloader.
inline constexpr int kCheckSupported = 0;
inline constexpr int kCheckNoAnswer = 1;
inline constexpr int kCheckUnsupported = 2; // the refusal says why

// Results of ProbeBootloader.
inline constexpr int kProbeAnswered = 0; // or the line only echoes (all fields 0)
inline constexpr int kProbeNoAnswer = 1;

// The 8-byte identification request.
std::array<std::uint8_t, 8> IdentificationRequest();

// Turns the type and version bytes of an answer into an id: family 0xA2 for
// the serial kinds and for any type reporting version 0 (except 0xA3).
BootloaderId NormaliseId(std::uint8_t type, std::uint8_t version);

// Asks who is there, acknowledges the answer and pauses 50 ms. `id` is only
// changed on success.
bool IdentifyBootloader(CTransport& transport, BootloaderId& id);

// Asks again and accepts only a serial-family bootloader from version 2.6 or
// a LINKBOX from 1.28 on. On kCheckUnsupported `refusal` holds the reason.
int CheckBootloader(CTransport& transport, BootloaderRefusal& refusal);

// The version as the refusal shows it: "2.5" for 25 in tenths, "1.27" for
// 127 in hundredths.
std::string VersionText(std::uint8_t type, std::uint8_t version);

// One identification attempt whatever the transport, for the port scan. A
// line that sends back the request itself (a loop-back plug) counts as an
// answer with all fields 0.
int ProbeBootloader(CTransport& transport, BootloaderId& id);

} // namespace qbx
