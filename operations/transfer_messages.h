#pragma once
#include <array>
#include <cstdint>

// What the slot transfers (upload and download) have in common: the shape of
// their message tables and the texts of their displays.
namespace qbx::transfer {

// Message numbers for the failures of one SendFrame call site (results 1, 3, 4).
struct SendMessages {
    int incomplete = 0; // string 11015
    int noAnswer = 0;   // 11017
    int rejected = 0;   // 11018
};

// Message numbers for the failures of one ReceiveBlock call site (results 1 to 4).
struct ReceiveMessages {
    int shortBlock = 0;  // 11007
    int noChecksum = 0;  // 11019
    int ackFailed = 0;   // 11020
    int badChecksum = 0; // 11018
};

// The error codes a bootloader reports that have a message each, in the
// order of their numbers; every other code shares one message.
inline constexpr std::array<std::uint8_t, 10> kKnownDeviceErrors = {0, 1, 20, 21, 22, 30, 31, 32, 50, 51};

struct DeviceErrorMessages {
    int first = 0; // the message of kKnownDeviceErrors[0]; the others follow (string 11022 with the code)
    int other = 0; // any other code (11023)
};

// Texts of the transfer dialogs.
inline constexpr int kStatusConnecting = 11500;
inline constexpr int kStatusSwitchingMode = 11501;
inline constexpr int kStatusStarting = 11502;
inline constexpr int kStatusReceiving = 11503;
inline constexpr int kStatusSending = 11504;
inline constexpr int kStatusAllReceived = 11505;
inline constexpr int kStatusFinished = 11506;
inline constexpr int kSourceFile = 11508;
inline constexpr int kTargetFile = 11509;
inline constexpr int kUnsupportedData = 11053;

} // namespace qbx::transfer
