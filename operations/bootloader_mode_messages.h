#pragma once
#include "operations/connection.h"

// Message numbers of the settings dialog's two bootloader functions (group
// 5), shared by the dialog and by qbx mode-switch and qbx config. Numbers
// 36 and up belong to the settings and folders dialogs themselves.
namespace qbx::bootloader_mode {

inline constexpr int kGroup = 5;

// Mode switch.
inline constexpr ConnectMessages kSwitchConnect = {
    .invalidInterface = 1, .openNotFound = 2, .openDenied = 3, .openFailed = 4, .identifyFailed = 34};
inline constexpr int kSwitchNotAnswered = 5;   // string 11007
inline constexpr int kSwitchWasRefused = 6;    // 11008
inline constexpr int kSwitchQueryNoAnswer = 7; // 11007
inline constexpr int kSwitchTransferMode = 8;  // 11042
inline constexpr int kSwitchOtherMode = 9;     // 11009
inline constexpr int kSwitchUnknownMode = 10;  // 11010
inline constexpr int kSwitchLinkbox = 35;      // 11042: the LINKBOX has no modes to switch

// Bootloader settings.
inline constexpr ConnectMessages kSettingsConnect = {
    .invalidInterface = 11, .openNotFound = 12, .openDenied = 13, .openFailed = 14, .identifyFailed = 15};
inline constexpr int kNoFirmwareVersion = 16; // 11046
inline constexpr int kVersionTooOld = 17;     // 11014 with the version text
inline constexpr int kAskSwitch = 18;         // question 11006
inline constexpr int kSettingsSwitchNoAnswer = 19;
inline constexpr int kSettingsSwitchRefused = 20;
inline constexpr int kSettingsQueryNoAnswer = 21;
inline constexpr int kSettingsOtherMode = 22;
inline constexpr int kSettingsUnknownMode = 23;
inline constexpr int kUnsupportedType = 24;    // 11012
inline constexpr int kReadLinkboxConfig = 25;  // 11012
inline constexpr int kReadNetwork = 26;        // 11012
inline constexpr int kReadConfig = 27;         // 11012
inline constexpr int kReopenNotFound = 28;     // 11002
inline constexpr int kReopenDenied = 29;       // 11003
inline constexpr int kReopenFailed = 30;       // 11004 with the error code
inline constexpr int kWriteLinkboxConfig = 31; // 11012
inline constexpr int kWriteNetwork = 32;       // 11012
inline constexpr int kWriteConfig = 33;        // 11012

// The network settings dialog's own checks on OK; the dialog stays open.
inline constexpr int kAddressRefused = 55; // 12008 with the address typed
inline constexpr int kValueClamped = 56;   // 12009: typed, shown now

} // namespace qbx::bootloader_mode
