#pragma once
#include "operations/connection.h"
#include "operations/image_phase.h"
#include "operations/os_update_messages.h"

// Message numbers of the bootloader firmware update (group 3), shared by its
// dialog and by qbx firmware.
namespace qbx::firmware_update {

inline constexpr int kGroup = 3;

inline constexpr int kWrongExtension = 1; // kStringWrongExtension
inline constexpr int kStringWrongExtension = 11040;
inline constexpr ConnectMessages kConnect = {.settingsUnreadable = 2,
                                             .invalidInterface = 3,
                                             .openNotFound = 4,
                                             .openDenied = 5,
                                             .openFailed = 6,
                                             .identifyFailed = 40};
inline constexpr int kUnknownFile = 7;    // 11033
inline constexpr int kFileNotOpened = 39; // 11044 with the path
inline constexpr int kWrongFamily = 41;   // 11047: checked before any data is sent

inline constexpr ImagePhaseMessages kPhase = {.startFrame = os_update::SendBlock(8),
                                              .deviceFrame = os_update::ReceiveBlock(12),
                                              .deviceError = {.first = 0, .other = 17},
                                              .deviceError60 = 16,
                                              .unexpectedReply = 18,
                                              .gapHeader = os_update::SendBlock(19),
                                              .gapData = os_update::SendBlock(23),
                                              .answerHeader = os_update::SendBlock(27),
                                              .answerData = os_update::SendBlock(31),
                                              .noData = os_update::SendBlock(35)};

} // namespace qbx::firmware_update
