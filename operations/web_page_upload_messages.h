#pragma once
#include "operations/connection.h"
#include "operations/device_turn.h"
#include "operations/os_update_messages.h"
#include "operations/transfer_messages.h"

// Message numbers of the web page upload (group 11), shared by its dialog
// and by qbx webpage.
namespace qbx::web_page {

inline constexpr int kGroup = 11;

// Checks of the chosen file.
inline constexpr int kWrongExtension = 1; // string 11048
inline constexpr int kTooLarge = 2;       // 11049 with the limit
inline constexpr int kNotOpened = 3;      // 11031

// The upload. No mode switch: only a LINKBOX takes web pages, and it has no
// transfer mode to switch into.
inline constexpr ConnectMessages kConnect = {.settingsUnreadable = 4,
                                             .invalidInterface = 5,
                                             .openNotFound = 6,
                                             .openDenied = 7,
                                             .openFailed = 8,
                                             .identifyFailed = 9,
                                             .checkNoAnswer = 11,
                                             .checkUnsupported = 12};
inline constexpr int kNotLinkbox = 10;      // 11050
inline constexpr int kFileNotReopened = 13; // 11031
// SendFrame has no result 2, so 15, 35 and 39 stay unused.
inline constexpr transfer::SendMessages kStartFrame = os_update::SendBlock(14);
// Failures of the device's frames: 18 to 21 receiving, 22 to 32 device
// errors, 33 anything else.
inline constexpr transfer::DeviceTurnMessages kDeviceTurn = {.deviceFrame = os_update::ReceiveBlock(18),
                                                             .deviceError = {.first = 22, .other = 32},
                                                             .unexpectedReply = 33};
inline constexpr transfer::SendMessages kAnswerHeader = os_update::SendBlock(34);
inline constexpr transfer::SendMessages kAnswerData = os_update::SendBlock(38);

// Texts of the checks and the dialog.
inline constexpr int kStringWrongExtension = 11048;
inline constexpr int kStringTooLarge = 11049;
inline constexpr int kStringNotLinkbox = 11050;
inline constexpr int kStringFilter = 11665;
inline constexpr int kStringCaption = 11670;

} // namespace qbx::web_page
