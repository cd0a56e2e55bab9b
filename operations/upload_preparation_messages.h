#pragma once
#include "operations/connection.h"
#include "operations/slot_overview.h"

// Message numbers of the upload preparation (group 6), shared by its dialog
// and by the console front end's slot commands.
namespace qbx::upload_preparation {

inline constexpr int kGroup = 6;

inline constexpr ConnectMessages kConnect = kConnectMessages;
inline constexpr int kSlotHeaderFailed = 16; // string 11012
inline constexpr int kFileNotOpened = 17;    // 11031
inline constexpr int kFileNotValid = 18;     // 11051
// config_up.ini cannot be written on OK: the dialog stays open (11032).
inline constexpr int kSlotListNotWritten = 25;
// The chosen path is longer than config_up.ini keeps (11910).
inline constexpr int kPathTooLong = 26;
// Before a slot that holds data is emptied: Yes/No, No the default (12000
// with the slot and its description).
inline constexpr int kAskEmptySlot = 70;

inline constexpr ClearSlotMessages kClearSlot = {
    .settingsUnreadable = 19,
    .invalidInterface = 20,
    .openNotFound = 21,
    .openDenied = 22,
    .openFailed = 23,
    .clearFailed = 24,
};

} // namespace qbx::upload_preparation
