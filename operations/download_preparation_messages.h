#pragma once
#include "core/edition.h"
#include "operations/connection.h"

// Message numbers of the download preparation (group 7), shared by its
// dialog and by qbx download.
namespace qbx::download_preparation {

inline constexpr int kGroup = 7;

inline constexpr ConnectMessages kConnect = kConnectMessages;
inline constexpr int kSlotHeaderFailed = 16; // string 11012
// config_do.ini cannot be written on OK: the dialog stays open (11032).
inline constexpr int kSlotListNotWritten = 59;
// The chosen path, ".dat" included, is longer than config_do.ini keeps (11910).
inline constexpr int kPathTooLong = 60;

// 7.017 to 7.030: slot 1 to 7, standard edition first, then the customer edition.
constexpr int ExtensionMessage(int slot, int edition) {
    return 17 + 2 * (slot - 1) + (edition == kCustomerEdition ? 1 : 0);
}
// 7.031 to 7.051: the pairs (2,1), (3,1), (3,2), (4,1) ... (7,6) in this order.
constexpr int DuplicateMessage(int higher, int lower) {
    return 31 + (higher - 1) * (higher - 2) / 2 + (lower - 1);
}
// 7.052 to 7.058: the file of slot 1 to 7 exists.
constexpr int OverwriteMessage(int slot) {
    return 51 + slot;
}

} // namespace qbx::download_preparation
